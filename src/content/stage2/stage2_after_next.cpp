// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage2.h"

namespace piyota::content {

using namespace Qt::StringLiterals;

const std::vector<AfterNextVariant> &stage2AfterNextVariants()
{
    static const std::vector<AfterNextVariant> variants = {
        // A full-width closing parenthesis in the first caption
        {
            .problem = 17,
            .layout = 3,
            .lineEdits = {},
            .captionEdits = {
                {.button = 1, .caption = u"ｙ＝(ｘ＋１）^2 －３"_s},
            },
        },

        // The question breaks after "方程式を"
        {
            .problem = 20,
            .layout = 3,
            .lineEdits = {{
                .firstLine = 0,
                .replacedCount = 2,
                .lines = {
                    u"　　　　２次関数 ｙ＝２(ｘ－３)   ＋１ のグラフの軸の方程式を"_s,
                    u"　　　　求めよ。"_s,
                },
            }},
            .captionEdits = {},
        },

        // Squares in the captions written as a full-width "＾２"
        {
            .problem = 22,
            .layout = 1,
            .lineEdits = {},
            .captionEdits = {
                {.button = 1, .caption = u"ｙ＝－ｘ＾２"_s},
                {.button = 2, .caption = u"ｙ＝ｘ＾２"_s},
                {.button = 3, .caption = u"ｙ＝－２ｘ＾２"_s},
                {.button = 4, .caption = u"ｙ＝２ｘ＾２"_s},
                {.button = 5, .caption = u"ｙ＝－３ｘ＾２"_s},
                {.button = 6, .caption = u"ｙ＝３ｘ＾２"_s},
                {.button = 7, .caption = u"ｙ＝－４ｘ＾２"_s},
            },
        },

        // The question breaks after "平行", and squares in the captions
        // are written as a full-width "＾２"
        {
            .problem = 22,
            .layout = 2,
            .lineEdits = {{
                .firstLine = 0,
                .replacedCount = 2,
                .lines = {
                    u"　　　　２次関数 ｙ＝２ｘ   ＋３ｘ＋１ のグラフは、①のグラフを平行"_s,
                    u"　　　　移動したものである。"_s,
                },
            }},
            .captionEdits = {
                {.button = 1, .caption = u"ｙ＝２ｘ＾２"_s},
                {.button = 2, .caption = u"ｙ＝－２ｘ＾２"_s},
                {.button = 5, .caption = u"ｙ＝ｘ＾２"_s},
                {.button = 6, .caption = u"ｙ＝－ｘ＾２"_s},
                {.button = 7, .caption = u"ｙ＝３ｘ＾２"_s},
            },
        },

        // Squares in the captions written as a full-width "＾２"
        {
            .problem = 22,
            .layout = 3,
            .lineEdits = {},
            .captionEdits = {
                {.button = 1, .caption = u"ｙ＝－ｘ＾２"_s},
                {.button = 2, .caption = u"ｙ＝ｘ＾２"_s},
                {.button = 3, .caption = u"ｙ＝２ｘ＾２"_s},
                {.button = 4, .caption = u"ｙ＝－２ｘ＾２"_s},
                {.button = 5, .caption = u"ｙ＝３ｘ＾２"_s},
                {.button = 6, .caption = u"ｙ＝－３ｘ＾２"_s},
            },
        },

        // The second line breaks before "ある。", which gets a line of its own
        {
            .problem = 23,
            .layout = 2,
            .lineEdits = {{
                .firstLine = 1,
                .replacedCount = 1,
                .lines = {
                    u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したもので"_s,
                    u"        ある。"_s,
                },
            }},
            .captionEdits = {},
        },

        // The two values separated by " ， " as in the other layouts
        {
            .problem = 27,
            .layout = 3,
            .lineEdits = {},
            .captionEdits = {
                {.button = 1, .caption = u"４ ， ０"_s},
                {.button = 2, .caption = u"１ ， －１５"_s},
                {.button = 3, .caption = u"３ ， １"_s},
                {.button = 4, .caption = u"３ ， －１５"_s},
                {.button = 5, .caption = u"１ ， ０"_s},
                {.button = 6, .caption = u"４ ， －１５"_s},
                {.button = 7, .caption = u"４ ， １"_s},
            },
        },
    };
    return variants;
}

} // namespace piyota::content
