// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage1_groups.h"

namespace piyota::content::stage1 {

using namespace Qt::StringLiterals;

std::vector<Problem> problems11To15()
{
    return {
        // Problem 11: y = a(x − p)² as a shift of y = ax²: direction and amount
        {
            .number = 11,
            .layouts = {{
                {
                    .question = {
                        squared({{35}, {24}}, 520, u"　　　　２次関数 ｙ＝ａ(ｘ－ｐ)   のグラフは、ｙ＝ａｘ   のグラフを"_s),
                        line(u"　　　　①軸方向に②だけ平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がｘ、②が＋ａ"_s,
                        u"①がｘ、②が－ａ"_s,
                        u"①がｘ、②が＋ｐ"_s,
                        u"①がｘ、②が－ｐ"_s,
                        u"①がｙ、②が＋ａ"_s,
                        u"①がｙ、②が－ａ"_s,
                        u"①がｙ、②が＋ｐ"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{38}, {27}}, 520, u"　　　　２次関数 ｙ＝－ａ(ｘ＋ｐ)   のグラフは、ｙ＝－ａｘ   のグラ"_s),
                        line(u"　　　　フを①軸方向に②だけ平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がｘ、②が＋ａ"_s,
                        u"①がｘ、②が－ａ"_s,
                        u"①がｘ、②が＋ｐ"_s,
                        u"①がｘ、②が－ｐ"_s,
                        u"①がｙ、②が＋ａ"_s,
                        u"①がｙ、②が－ａ"_s,
                        u"①がｙ、②が＋ｐ"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{35}, {25}}, 520, u"　　　　２次関数 ｙ＝３(ｘ＋１)   のグラフは、ｙ＝３ｘ   のグラフを"_s),
                        line(u"　　　　①軸方向に②だけ平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がｙ、②が＋１"_s,
                        u"①がｙ、②が－１"_s,
                        u"①がｙ、②が＋３"_s,
                        u"①がｙ、②が－３"_s,
                        u"①がｘ、②が＋１"_s,
                        u"①がｘ、②が－１"_s,
                        u"①がｘ、②が＋３"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 12: which parabola y = a(x − p)² is a shift of
        {
            .number = 12,
            .layouts = {{
                {
                    .question = {
                        squared({{38}}, 520, u"　　　　２次関数 ｙ＝－２(ｘ－３)   のグラフは、①のグラフをｘ軸"_s),
                        line(u"　　　　方向に平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－(ｘ－３)^2"_s,
                        u"ｙ＝(ｘ－３)^2"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{35}}, 520, u"　　　　２次関数 ｙ＝３(ｘ＋１)   のグラフは、①のグラフをｘ軸方向"_s),
                        line(u"　　　　に平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝(ｘ＋１)^2"_s,
                        u"ｙ＝－(ｘ＋１)^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝－３ｘ^2"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{38}}, 520, u"　　　　２次関数 ｙ＝－２(ｘ－１)   のグラフは、①のグラフをｘ軸"_s),
                        line(u"　　　　方向に平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝(ｘ－１)^2"_s,
                        u"ｙ＝－(ｘ－１)^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 13: the amount of the shift along the x axis
        {
            .number = 13,
            .layouts = {{
                {
                    .question = {
                        squared({{38}, {28}}, 520, u"　　　　２次関数 ｙ＝－２(ｘ－３)   のグラフは、ｙ＝－２ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①だけ平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"＋１"_s,
                        u"－１"_s,
                        u"＋２"_s,
                        u"－２"_s,
                        u"＋３"_s,
                        u"－３"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{38}, {28}}, 520, u"　　　　２次関数 ｙ＝－３(ｘ＋１)   のグラフは、ｙ＝－３ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①だけ平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"＋１"_s,
                        u"－１"_s,
                        u"＋２"_s,
                        u"－２"_s,
                        u"＋３"_s,
                        u"－３"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 2,
                },
                {
                    .question = {
                        squared({{33}, {23}}, 520, u"　　　　２次関数 ｙ＝(ｘ＋３)   のグラフは、ｙ＝ｘ   のグラフをｘ軸"_s),
                        line(u"　　　　方向に①だけ平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"＋１"_s,
                        u"－１"_s,
                        u"＋２"_s,
                        u"－２"_s,
                        u"＋３"_s,
                        u"－３"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 14: the vertex of y = a(x − p)²
        {
            .number = 14,
            .layouts = {{
                {
                    .question = {
                        squared({{35}}, 520, u"　　　　２次関数 ｙ＝ａ(ｘ－ｐ)   のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（０，０）"_s,
                        u"（０，ａ）"_s,
                        u"（ａ，０）"_s,
                        u"（０，ｐ）"_s,
                        u"（ｐ，０）"_s,
                        u"（ａ，ｐ）"_s,
                        u"（ｐ，ｐ）"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{38}}, 520, u"　　　　２次関数 ｙ＝－３(ｘ＋１)   のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（０，０）"_s,
                        u"（０，－３）"_s,
                        u"（－３，０）"_s,
                        u"（０，１）"_s,
                        u"（１，０）"_s,
                        u"（－１，０）"_s,
                        u"（０，－１）"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{35}}, 520, u"　　　　２次関数 ｙ＝４(ｘ－３)   のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（０，０）"_s,
                        u"（０，－３）"_s,
                        u"（０，３）"_s,
                        u"（３，０）"_s,
                        u"（－３，０）"_s,
                        u"（４，０）"_s,
                        u"（０，－４）"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },

        // Problem 15: the axis of y = a(x − p)²
        {
            .number = 15,
            .layouts = {{
                {
                    .question = {
                        squared({{35}}, 520, u"　　　　２次関数 ｙ＝ａ(ｘ－ｐ)   のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝ａ"_s,
                        u"ｙ＝ａ"_s,
                        u"ｘ＝ｐ"_s,
                        u"ｙ＝ｐ"_s,
                        u"ｙ＝ｘ"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{38}}, 520, u"　　　　２次関数 ｙ＝－３(ｘ＋１)   のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝－３"_s,
                        u"ｙ＝－３"_s,
                        u"ｘ＝１"_s,
                        u"ｘ＝－１"_s,
                        u"ｙ＝１"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{35}}, 520, u"　　　　２次関数 ｙ＝２(ｘ－３)   のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝３"_s,
                        u"ｘ＝－３"_s,
                        u"ｙ＝３"_s,
                        u"ｙ＝－３"_s,
                        u"ｘ＝２"_s,
                    },
                    .correctButton = 3,
                },
            }},
        },
    };
}

} // namespace piyota::content::stage1
