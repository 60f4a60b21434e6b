// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage1_groups.h"

namespace piyota::content::stage1 {

using namespace Qt::StringLiterals;

std::vector<Problem> problems1To5()
{
    return {
        // Problem 1: when the graph of y = ax² opens downward
        {
            .number = 1,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフが上に凸の放物線になるのは、"_s),
                        line(u"　　　　ａがどんなときか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ａ＞０"_s,
                        u"ａ＜０"_s,
                        u"ａ＝０"_s,
                        u"ａが偶数"_s,
                        u"ａが奇数"_s,
                        u"ａが素数"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 2,
                },
                {
                    .question = {
                        line(u"　　　　関数のグラフが上に凸の放物線になるものを、次の関数"_s),
                        line(u"　　　　から全て選びなさい。"_s),
                        squared({{24}, {15}, {20, u'3'}}, 1000, u"　　　　(ｱ) ｙ＝－２ｘ  　　(ｲ) ｙ＝ｘ  　　(ｳ) ｙ＝－３ｘ  "_s),
                        squared({{45}}, 1290, u"　　　　(ｴ) ｙ＝ｘ　　　　　　(ｵ) ｙ＝－ｘ  "_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（ア）"_s,
                        u"（イ）"_s,
                        u"（ウ）"_s,
                        u"（エ）"_s,
                        u"（ア）と（ウ）と（オ）"_s,
                        u"（ア）と（オ）"_s,
                        u"（イ）と（エ）"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフは、ａ＜０ のときどうなるか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"広がりが広くなる"_s,
                        u"広がりが狭くなる"_s,
                        u"頂点のｘ座標が正になる"_s,
                        u"頂点のｙ座標が正になる"_s,
                        u"上に凸の放物線になる"_s,
                        u"下に凸の放物線になる"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 5,
                },
            }},
        },

        // Problem 2: when the graph of y = ax² opens upward
        {
            .number = 2,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフが下に凸の放物線になるのは、"_s),
                        line(u"　　　　ａがどんなときか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ａ＞０"_s,
                        u"ａ＜０"_s,
                        u"ａ＝０"_s,
                        u"ａが偶数"_s,
                        u"ａが奇数"_s,
                        u"ａが素数"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        line(u"　　　　関数のグラフが下に凸の放物線になるものを、次の関数"_s),
                        line(u"　　　　から全て選びなさい。"_s),
                        squared({{22}, {17}}, 1000, u"　　　　(ｱ) ｙ＝－ｘ  　　(ｲ) ｙ＝３ｘ  　　(ｳ) ｙ＝－ｘ"_s),
                        squared({{19, u'3'}, {17}}, 1290, u"　　　　(ｴ) ｙ＝ｘ  　　　(ｵ) ｙ＝ｘ  "_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（ア）"_s,
                        u"（イ）"_s,
                        u"（ア）と（ウ）"_s,
                        u"（エ）"_s,
                        u"（オ）"_s,
                        u"（イ）と（エ）と（オ）"_s,
                        u"（イ）と（オ）"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフは、ａ＞０のときどうなるか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"広がりが広くなる"_s,
                        u"広がりが狭くなる"_s,
                        u"頂点のｘ座標が正となる"_s,
                        u"頂点のｘ座標が負となる"_s,
                        u"上に凸の放物線になる"_s,
                        u"下に凸の放物線になる"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 3: how the width of the graph of y = ax² changes
        {
            .number = 3,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフの広がりは、ａ＜０のとき、ａが"_s),
                        line(u"　　　　小さくなるにつれどうなるか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"狭くなる"_s,
                        u"広くなる"_s,
                        u"変わらない"_s,
                        u"狭くなったり広くなったりする"_s,
                        u"途中から狭くなる"_s,
                        u"途中から広くなる"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        squared({{36}, {20}}, 520, u"　　　　２次関数 (ｱ) ｙ＝－３ｘ   と (ｲ) ｙ＝－２ｘ   のグラフの広"_s),
                        line(u"　　　　がりを比較するとどうなるか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"等しい"_s,
                        u"（ア）より（イ）が広い"_s,
                        u"（ア）より（イ）が狭い"_s,
                        u"途中から（ア）の方が広い"_s,
                        u"途中から（ア）の方が狭い"_s,
                        u"等しい部分もある"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 2,
                },
                {
                    .question = {
                        squared({{33}, {20}}, 520, u"　　　　２次関数 (ｱ) ｙ＝３ｘ   と (ｲ) ｙ＝－３ｘ   のグラフの広がり"_s),
                        line(u"　　　　を比較するとどうなるか。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"何とも言えない"_s,
                        u"（ア）より（イ）が広い"_s,
                        u"（ア）より（イ）が狭い"_s,
                        u"等しい"_s,
                        u"途中から（ア）の方が広い"_s,
                        u"途中から（ア）の方が狭い"_s,
                        u"等しい部分もある"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },

        // Problem 4: the vertex of y = ax²
        {
            .number = 4,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（ａ，０）"_s,
                        u"（０，ａ）"_s,
                        u"（０，０）"_s,
                        u"（０，ｘ）"_s,
                        u"（ｘ，０）"_s,
                        u"（ｘ，ｘ）"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{31}}, 520, u"　　　　２次関数 ｙ＝－３ｘ   のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（ｘ，ｘ）"_s,
                        u"（ｘ，０）"_s,
                        u"（０，ｘ）"_s,
                        u"（０，０）"_s,
                        u"（０，－３）"_s,
                        u"（－３，０）"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝３ｘ   のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（３，０）"_s,
                        u"（０，３）"_s,
                        u"（０，ｘ）"_s,
                        u"（ｘ，０）"_s,
                        u"（ｘ，ｘ）"_s,
                        u"（０，０）"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 5: the axis of y = ax²
        {
            .number = 5,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ   のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝ａ"_s,
                        u"ｙ＝ａ"_s,
                        u"ｙ＝ｘ"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝０"_s,
                        u"ａ＝０"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{31}}, 520, u"　　　　２次関数 ｙ＝－２ｘ   のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝－２"_s,
                        u"ｙ＝ｘ"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝０"_s,
                        u"ｘ＝－２"_s,
                        u"ｘ＝２"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝２ｘ   のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝０"_s,
                        u"ｘ＝０"_s,
                        u"ｘ＝－２"_s,
                        u"ｘ＝２"_s,
                        u"ｙ＝－２"_s,
                        u"ｙ＝ｘ"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 2,
                },
            }},
        },
    };
}

} // namespace piyota::content::stage1
