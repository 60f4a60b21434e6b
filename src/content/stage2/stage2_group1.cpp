// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage2_groups.h"

namespace piyota::content::stage2 {

using namespace Qt::StringLiterals;

std::vector<Problem> problems16To20()
{
    return {
        // Problem 16: the two shifts that carry y = ax² onto y = a(x − p)² + q
        {
            .number = 16,
            .layouts = {{
                {
                    .question = {
                        squared({{35}, {30}}, 550, u"　　　　２次関数 ｙ＝ａ(ｘ－ｐ)   ＋ｑ のグラフは、ｙ＝ａｘ   のグラフ"_s),
                        line(u"　　　　をｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がａ、②がｐ"_s,
                        u"①がａ、②がｑ"_s,
                        u"①がｐ、②がｑ"_s,
                        u"①が－ｐ、②がｑ"_s,
                        u"①がｐ、②が－ｑ"_s,
                        u"①が－ｐ、②か゛－ｑ"_s,
                        u"①がｑ、②がｐ"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{35}, {31}}, 550, u"　　　　２次関数 ｙ＝３(ｘ＋１)   －４ のグラフは、ｙ＝３ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が３、②が１"_s,
                        u"①が３、②が－１"_s,
                        u"①が１、②が４"_s,
                        u"①が１、②が－４"_s,
                        u"①が－１、②が４"_s,
                        u"①が－１、②か゛－４"_s,
                        u"①が－４、②が１"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{36}, {32}}, 550, u"　　　　２次関数 ｙ＝－(ｘ－３)   ＋１ のグラフは、ｙ＝－ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が３、②が１"_s,
                        u"①が３、②が－１"_s,
                        u"①が－３、②が１"_s,
                        u"①が－３、②が－１"_s,
                        u"①が１、②が３"_s,
                        u"①が１、②か゛－３"_s,
                        u"①が－１、②が３"_s,
                    },
                    .correctButton = 1,
                },
            }},
        },

        // Problem 17: which parabola a vertex-form parabola is a translation of
        {
            .number = 17,
            .layouts = {{
                {
                    .question = {
                        squared({{36}}, 550, u"　　　　２次関数 ｙ＝－(ｘ＋２)   －１ のグラフは、①のグラフを平行"_s),
                        line(u"　　　　移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"        クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝(ｘ＋２)^2"_s,
                        u"ｙ＝(ｘ＋２)^2 －１"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        squared({{35}}, 550, u"　　　　２次関数 ｙ＝３(ｘ－１)   ＋４ のグラフは、①のグラフを平行"_s),
                        line(u"　　　　移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"        クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝(ｘ－１)^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝ｘ^2＋４"_s,
                        u"ｙ＝－３(ｘ－１)^2"_s,
                        u"ｙ＝－３(ｘ－１)^2 ＋４"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{35}}, 550, u"　　　　２次関数 ｙ＝２(ｘ＋１)   －３ のグラフは、①のグラフを平行"_s),
                        line(u"　　　　移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"        クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝(ｘ＋１)^2 －３"_s,
                        u"ｙ＝(ｘ＋１)^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２(ｘ＋１)^2"_s,
                        u"ｙ＝－２(ｘ＋１)^2 －３"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },

        // Problem 18: the signed shifts that carry y = ax² onto a vertex-form parabola
        {
            .number = 18,
            .layouts = {{
                {
                    .question = {
                        squared({{36}, {32}}, 550, u"　　　　２次関数 ｙ＝－(ｘ＋２)   －１ のグラフは、ｙ＝－ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋２，②が－１"_s,
                        u"①が＋２，②が＋１"_s,
                        u"①が－２，②が－１"_s,
                        u"①が－２，②が＋１"_s,
                        u"①が－１，②が＋２"_s,
                        u"①が－１，②が－２"_s,
                        u"①が＋１，②が＋２"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{35}, {31}}, 550, u"　　　　２次関数 ｙ＝３(ｘ－１)   ＋２ のグラフは、ｙ＝３ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋１，②が＋２"_s,
                        u"①が＋１，②が－２"_s,
                        u"①が－１，②が＋２"_s,
                        u"①が－１，②が－２"_s,
                        u"①が＋２，②が＋１"_s,
                        u"①が－２，②が－１"_s,
                        u"①が＋３，②が＋２"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        squared({{35}, {31}}, 550, u"　　　　２次関数 ｙ＝３(ｘ＋１)   －２ のグラフは、ｙ＝３ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋３，②が－２"_s,
                        u"①が＋３，②が＋２"_s,
                        u"①が－２，②が＋１"_s,
                        u"①が－２，②が－１"_s,
                        u"①が－１，②が＋２"_s,
                        u"①が－１，②が－２"_s,
                        u"①が＋１，②が－２"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 19: the vertex of y = a(x − p)² + q
        {
            .number = 19,
            .layouts = {{
                {
                    .question = {
                        squared({{35}}, 550, u"　　　　２次関数 ｙ＝ａ(ｘ－ｐ)   ＋ｑ のグラフの頂点の座標を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（ａ，ｐ）"_s,
                        u"（ａ，－ｐ）"_s,
                        u"（－ｐ，ｑ）"_s,
                        u"（－ｐ，－ｑ）"_s,
                        u"（ｐ，ｑ）"_s,
                        u"（ｐ，－ｑ）"_s,
                        u"（ａ，ｑ）"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{36}}, 550, u"　　　　２次関数 ｙ＝－(ｘ＋３)   －５ のグラフの頂点の座標を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（３，５）"_s,
                        u"（３，－５）"_s,
                        u"（－３，５）"_s,
                        u"（－３，－５）"_s,
                        u"（５，３）"_s,
                        u"（５，－３）"_s,
                        u"（－５，－３）"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{35}}, 550, u"　　　　２次関数 ｙ＝３(ｘ－２)   ＋１ のグラフの頂点の座標を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（２，１）"_s,
                        u"（２，－１）"_s,
                        u"（－２，１）"_s,
                        u"（－２，－１）"_s,
                        u"（３，１）"_s,
                        u"（３，－１）"_s,
                        u"（１，－２）"_s,
                    },
                    .correctButton = 1,
                },
            }},
        },

        // Problem 20: the axis of y = a(x − p)² + q
        {
            .number = 20,
            .layouts = {{
                {
                    .question = {
                        squared({{35}}, 550, u"　　　　２次関数 ｙ＝ａ(ｘ－ｐ)   ＋ｑ のグラフの軸の方程式を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｘ＝ａ"_s,
                        u"ｘ＝ｐ"_s,
                        u"ｘ＝ｑ"_s,
                        u"ｙ＝ａ"_s,
                        u"ｙ＝ｐ"_s,
                        u"ｙ＝ｑ"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{38}}, 550, u"　　　　２次関数 ｙ＝－３(ｘ＋１)   －５ のグラフの軸の方程式を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝－３"_s,
                        u"ｙ＝－３"_s,
                        u"ｘ＝１"_s,
                        u"ｙ＝１"_s,
                        u"ｘ＝－１"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        squared({{35}}, 550, u"　　　　２次関数 ｙ＝２(ｘ－３)   ＋１ のグラフの軸の方程式"_s),
                        line(u"　　　　を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝２"_s,
                        u"ｙ＝２"_s,
                        u"ｘ＝３"_s,
                        u"ｙ＝３"_s,
                        u"ｘ＝－３"_s,
                    },
                    .correctButton = 5,
                },
            }},
        },
    };
}

} // namespace piyota::content::stage2
