// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage1_groups.h"

namespace piyota::content::stage1 {

using namespace Qt::StringLiterals;

std::vector<Problem> problems6To10()
{
    return {
        // Problem 6: y = ax² + q as a shift of y = ax²: direction and amount
        {
            .number = 6,
            .layouts = {{
                {
                    .question = {
                        squared({{28}, {30}}, 520, u"　　　　２次関数 ｙ＝ａｘ   ＋ｑ のグラフは、ｙ＝ａｘ   のグラフを"_s),
                        line(u"　　　　①軸方向に②だけ平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"        クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がｘ、②が＋ａ"_s,
                        u"①がｘ、②が－ａ"_s,
                        u"①がｙ、②が＋ａ"_s,
                        u"①がｙ、②が－ａ"_s,
                        u"①がｘ、②が＋ｑ"_s,
                        u"①がｘ、②が－ｑ"_s,
                        u"①がｙ、②が＋ｑ"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        squared({{31}, {34}}, 520, u"　　　　２次関数 ｙ＝－３ｘ   ＋２ のグラフは、ｙ＝－３ｘ   のグラフ"_s),
                        line(u"　　　　を①軸方向に②だけ平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"        クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がｙ、②が－３"_s,
                        u"①がｙ、②が＋３"_s,
                        u"①がｘ、②が－３"_s,
                        u"①がｘ、②が＋３"_s,
                        u"①がｙ、②が＋２"_s,
                        u"①がｙ、②が－２"_s,
                        u"①がｘ、②が＋２"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{28}, {31}}, 520, u"　　　　２次関数 ｙ＝３ｘ   －２ のグラフは、ｙ＝３ｘ   のグラフを"_s),
                        line(u"　　　　①軸方向に②だけ平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"        クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①がｘ、②が＋２"_s,
                        u"①がｘ、②が－２"_s,
                        u"①がｙ、②が＋２"_s,
                        u"①がｙ、②が－２"_s,
                        u"①がｘ、②が＋３"_s,
                        u"①がｘ、②が－３"_s,
                        u"①がｙ、②が＋３"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },

        // Problem 7: which parabola y = ax² + q is a shift of
        {
            .number = 7,
            .layouts = {{
                {
                    .question = {
                        squared({{31}}, 520, u"　　　　２次関数 ｙ＝－３ｘ  －２ のグラフは、①のグラフをｙ軸方向"_s),
                        line(u"　　　　に平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝－３ｘ^2"_s,
                        u"ｙ＝４ｘ^2"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝４ｘ  ＋２ のグラフは、①のグラフをｙ軸方向"_s),
                        line(u"　　　　に平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝－３ｘ^2"_s,
                        u"ｙ＝４ｘ^2"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        squared({{31}}, 520, u"　　　　２次関数 ｙ＝－２ｘ  ＋３ のグラフは、①のグラフをｙ軸方向"_s),
                        line(u"　　　　に平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝－３ｘ^2"_s,
                        u"ｙ＝４ｘ^2"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },

        // Problem 8: the amount of the shift along the y axis
        {
            .number = 8,
            .layouts = {{
                {
                    .question = {
                        squared({{31}, {33}}, 520, u"　　　　２次関数 ｙ＝－３ｘ  －２ のグラフは、ｙ＝－３ｘ   のグラフ"_s),
                        line(u"　　　　をｙ軸方向に①だけ平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s),
                        line(u"　　　　しなさい。"_s),
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
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{28}, {29}}, 520, u"　　　　２次関数 ｙ＝ａｘ  ＋ｑ のグラフは、ｙ＝ａｘ   のグラフを"_s),
                        line(u"　　　　ｙ軸方向に①だけ平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s),
                        line(u"　　　　しなさい。"_s),
                    },
                    .captions = {
                        u"＋ａ"_s,
                        u"－ａ"_s,
                        u"＋２"_s,
                        u"－２"_s,
                        u"＋ｑ"_s,
                        u"－ｑ"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{28}, {30}}, 520, u"　　　　２次関数 ｙ＝３ｘ  ＋４ のグラフは、ｙ＝３ｘ   のグラフを"_s),
                        line(u"　　　　ｙ軸方向に①だけ平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s),
                        line(u"　　　　しなさい。"_s),
                    },
                    .captions = {
                        u"－４"_s,
                        u"＋４"_s,
                        u"－２"_s,
                        u"＋２"_s,
                        u"－３"_s,
                        u"＋３"_s,
                        u"何とも言えない"_s,
                    },
                    .correctButton = 2,
                },
            }},
        },

        // Problem 9: the vertex of y = ax² + q
        {
            .number = 9,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ  ＋ｑ のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（０，０）"_s,
                        u"（０，ａ）"_s,
                        u"（ａ，０）"_s,
                        u"（０，ｑ）"_s,
                        u"（ｑ，０）"_s,
                        u"（ａ，ｑ）"_s,
                        u"（ｑ，ａ）"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{29}}, 520, u"　　　　２次関数 ｙ＝－ｘ  ＋３ のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（０，３）"_s,
                        u"（３，０）"_s,
                        u"（－１，３）"_s,
                        u"（３，－１）"_s,
                        u"（０，０）"_s,
                        u"（０，－１）"_s,
                        u"（－１，０）"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝３ｘ  －４ のグラフの頂点の座標を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（－４，３）"_s,
                        u"（３，－４）"_s,
                        u"（３，０）"_s,
                        u"（０，３）"_s,
                        u"（－４，０）"_s,
                        u"（０，－４）"_s,
                        u"（０，０）"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 10: the axis of y = ax² + q
        {
            .number = 10,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝ａｘ  ＋ｑ のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝ａ"_s,
                        u"ｙ＝ａ"_s,
                        u"ｘ＝ｑ"_s,
                        u"ｙ＝ｑ"_s,
                        u"ｙ＝ｘ"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        squared({{29}}, 520, u"　　　　２次関数 ｙ＝－ｘ  ＋３ のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝ｘ"_s,
                        u"ｙ＝３"_s,
                        u"ｘ＝３"_s,
                        u"ｙ＝－１"_s,
                        u"ｘ＝－１"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝０"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        squared({{28}}, 520, u"　　　　２次関数 ｙ＝３ｘ  －１ のグラフの軸の方程式を求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝３"_s,
                        u"ｘ＝３"_s,
                        u"ｙ＝０"_s,
                        u"ｘ＝０"_s,
                        u"ｙ＝ｘ"_s,
                        u"ｙ＝－１"_s,
                        u"ｘ＝－１"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },
    };
}

} // namespace piyota::content::stage1
