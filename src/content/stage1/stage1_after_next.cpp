// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage1.h"

namespace piyota::content {

using namespace Qt::StringLiterals;

const std::vector<AfterNextVariant> &stage1AfterNextVariants()
{
    static const std::vector<AfterNextVariant> variants = {
        // A half-width space before "のとき"
        {
            .problem = 2,
            .layout = 3,
            .lineEdits = {{
                .firstLine = 0,
                .replacedCount = 1,
                .lines = {
                    u"　　　　２次関数 ｙ＝ａｘ   のグラフは、ａ＞０ のときどうなるか。"_s,
                },
            }},
            .captionEdits = {},
        },

        // A half-width space before "のとき"
        {
            .problem = 3,
            .layout = 1,
            .lineEdits = {{
                .firstLine = 0,
                .replacedCount = 1,
                .lines = {
                    u"　　　　２次関数 ｙ＝ａｘ   のグラフの広がりは、ａ＜０ のとき、ａが"_s,
                },
            }},
            .captionEdits = {},
        },

        // The instruction breaks after "クリック"
        {
            .problem = 12,
            .layout = 1,
            .lineEdits = {{
                .firstLine = 2,
                .replacedCount = 2,
                .lines = {
                    u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s,
                    u"　　　　しなさい。"_s,
                },
            }},
            .captionEdits = {},
        },

        // Both the question and the instruction break later
        {
            .problem = 12,
            .layout = 2,
            .lineEdits = {{
                .firstLine = 0,
                .replacedCount = 4,
                .lines = {
                    u"　　　　２次関数 ｙ＝３(ｘ＋１)   のグラフは、①のグラフをｘ軸方"_s,
                    u"　　　　向に平行移動したものである。"_s,
                    u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s,
                    u"　　　　しなさい。"_s,
                },
            }},
            .captionEdits = {},
        },

        // The instruction breaks after "クリック"
        {
            .problem = 12,
            .layout = 3,
            .lineEdits = {{
                .firstLine = 2,
                .replacedCount = 2,
                .lines = {
                    u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s,
                    u"　　　　しなさい。"_s,
                },
            }},
            .captionEdits = {},
        },
    };
    return variants;
}

} // namespace piyota::content
