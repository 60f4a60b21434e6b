// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage2_groups.h"

namespace piyota::content::stage2 {

using namespace Qt::StringLiterals;

std::vector<Problem> problems21To25()
{
    return {
        // Problem 21: the two shifts that carry y = x² onto y = x² + bx + c
        {
            .number = 21,
            .layouts = {{
                {
                    .question = {
                        squared({{26}, {36}}, 550, u"　　　　２次関数 ｙ＝ｘ   ＋４ｘ＋３ のグラフは、ｙ＝ｘ   のグラフを"_s),
                        line(u"　　　　ｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋４、②が＋３"_s,
                        u"①が－４、②が－３"_s,
                        u"①が＋２、②が－１"_s,
                        u"①が＋２、②が＋１"_s,
                        u"①が－２、②が－１"_s,
                        u"①が－２、②が＋１"_s,
                        u"①が＋３、②が＋４"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{26}, {36}}, 550, u"　　　　２次関数 ｙ＝ｘ   －４ｘ＋１ のグラフは、ｙ＝ｘ   のグラフを"_s),
                        line(u"　　　　ｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋４、②が＋１"_s,
                        u"①が＋４、②が－１"_s,
                        u"①が－４、②が＋１"_s,
                        u"①が－４、②が－１"_s,
                        u"①が＋２、②が＋３"_s,
                        u"①が＋２、②が－３"_s,
                        u"①が－２、②が－３"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{26}, {36}}, 550, u"　　　　２次関数 ｙ＝ｘ   ＋６ｘ－２ のグラフは、ｙ＝ｘ   のグラフを"_s),
                        line(u"　　　　ｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋６、②が－２"_s,
                        u"①が＋６、②が＋２"_s,
                        u"①が－６、②が－２"_s,
                        u"①が－６、②が＋２"_s,
                        u"①が＋３、②が－１１"_s,
                        u"①が＋３、②が＋１１"_s,
                        u"①が－３、②が－１１"_s,
                    },
                    .correctButton = 7,
                },
            }},
        },

        // Problem 22: which parabola y = ax² + bx + c is a translation of
        {
            .number = 22,
            .layouts = {{
                {
                    .question = {
                        squared({{31}}, 550, u"　　　　２次関数 ｙ＝－２ｘ   －４ｘ＋１ のグラフは、①のグラフを"_s),
                        line(u"　　　　平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－３ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝－４ｘ^2"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        squared({{28}}, 550, u"　　　　２次関数 ｙ＝２ｘ   ＋３ｘ＋１ のグラフは、①のグラフを"_s),
                        line(u"　　　　平行移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝３ｘ"_s,
                        u"ｙ＝－３ｘ"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                    },
                    .correctButton = 1,
                },
                {
                    .question = {
                        squared({{31}}, 550, u"　　　　２次関数 ｙ＝－３ｘ   ＋ｘ－２ のグラフは、①のグラフを平行"_s),
                        line(u"　　　　移動したものである。"_s),
                        line(u"　　　　①に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｙ＝－ｘ^2"_s,
                        u"ｙ＝ｘ^2"_s,
                        u"ｙ＝２ｘ^2"_s,
                        u"ｙ＝－２ｘ^2"_s,
                        u"ｙ＝３ｘ^2"_s,
                        u"ｙ＝－３ｘ^2"_s,
                        u"ｙ＝ｘ"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 23: the two shifts that carry y = ax² onto y = ax² + bx + c
        {
            .number = 23,
            .layouts = {{
                {
                    .question = {
                        squared({{31}, {41}}, 550, u"　　　　２次関数 ｙ＝－２ｘ   －４ｘ＋１ のグラフは、ｙ＝－２ｘ   の"_s),
                        line(u"　　　　グラフをｘ軸方向に①、ｙ軸方向に②、平行移動したもので"_s),
                        line(u"        ある。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が－２、②が－４"_s,
                        u"①が－４、②が＋１"_s,
                        u"①が＋１、②が＋３"_s,
                        u"①が＋１、②が－３"_s,
                        u"①が－１、②が＋３"_s,
                        u"①が－１、②が－３"_s,
                        u"①が－２、②が＋１"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{28}, {38}}, 550, u"　　　　２次関数 ｙ＝２ｘ   ＋４ｘ＋１ のグラフは、ｙ＝２ｘ   のグラ"_s),
                        line(u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したものである。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が＋２、②が＋４"_s,
                        u"①が＋２、②が－４"_s,
                        u"①が＋４、②が＋１"_s,
                        u"①が＋４、②が－１"_s,
                        u"①が＋１、②が＋４"_s,
                        u"①が＋１、②が－４"_s,
                        u"①が－１、②が－１"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        squared({{31}, {41}}, 550, u"　　　　２次関数 ｙ＝－３ｘ   ＋６ｘ－１ のグラフは、ｙ＝－３ｘ   の"_s),
                        line(u"　　　　グラフをｘ軸方向に①、ｙ軸方向に②、平行移動したもので"_s),
                        line(u"        ある。"_s),
                        line(u"　　　　①と②に入る適当なものを下の解答群から１つ選び、"_s),
                        line(u"　　　　クリックしなさい。"_s),
                    },
                    .captions = {
                        u"①が－３、②が＋６"_s,
                        u"①が－３、②が－６"_s,
                        u"①が＋６、②が－１"_s,
                        u"①が＋６、②が＋１"_s,
                        u"①が＋１、②が－２"_s,
                        u"①が＋１、②が＋２"_s,
                        u"①が－１、②が＋２"_s,
                    },
                    .correctButton = 6,
                },
            }},
        },

        // Problem 24: the vertex of y = ax² + bx + c, with fractions
        {
            .number = 24,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 550, u"　　　　２次関数 ｙ＝２ｘ   ＋３ｘ－１ のグラフの頂点の座標を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（２，３）"_s,
                        u"（２，－１）"_s,
                        u"（３，－１）"_s,
                        u"（３／４，－１７／８）"_s,
                        u"（３／４，１７／８）"_s,
                        u"（－３／４，－１７／８）"_s,
                        u"（－３／４，１７／８）"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        squared({{31}}, 550, u"　　　　２次関数 ｙ＝－２ｘ   ＋３ｘ＋１ のグラフの頂点の座標を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（－２，３）"_s,
                        u"（－２，－３）"_s,
                        u"（２，３）"_s,
                        u"（２，－３）"_s,
                        u"（３／４，１７／８）"_s,
                        u"（３／４，－１７／８）"_s,
                        u"（－３／４，１７／８）"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{31}}, 550, u"　　　　２次関数 ｙ＝－２ｘ   －３ｘ＋１ のグラフの頂点の座標を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"（－２，－３）"_s,
                        u"（－２，３）"_s,
                        u"（２，－３）"_s,
                        u"（２，３）"_s,
                        u"（３／４，１７／８）"_s,
                        u"（３／４，－１７／８）"_s,
                        u"（－３／４，１７／８）"_s,
                    },
                    .correctButton = 7,
                },
            }},
        },

        // Problem 25: the axis of y = ax² + bx + c, with fractions
        {
            .number = 25,
            .layouts = {{
                {
                    .question = {
                        squared({{28}}, 550, u"　　　　２次関数 ｙ＝２ｘ   ＋３ｘ－１ のグラフの軸の方程式を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝０"_s,
                        u"ｘ＝２"_s,
                        u"ｘ＝３"_s,
                        u"ｘ＝－１"_s,
                        u"ｘ＝－３／４"_s,
                        u"ｘ＝３／４"_s,
                        u"ｘ＝－１７／８"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        squared({{31}}, 550, u"　　　　２次関数 ｙ＝－２ｘ   ＋３ｘ＋１ のグラフの軸の方程式を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝－２／３"_s,
                        u"ｘ＝－３／２"_s,
                        u"ｘ＝４／３"_s,
                        u"ｘ＝３／４"_s,
                        u"ｘ＝－２"_s,
                        u"ｘ＝２"_s,
                        u"ｘ＝３"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        squared({{31}}, 550, u"　　　　２次関数 ｙ＝－２ｘ   －３ｘ＋１ のグラフの軸の方程式を"_s),
                        line(u"　　　　求めよ。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝－３／４"_s,
                        u"ｘ＝－４／３"_s,
                        u"ｘ＝２／３"_s,
                        u"ｘ＝３／２"_s,
                        u"ｘ＝－２"_s,
                        u"ｘ＝－３"_s,
                        u"ｘ＝１"_s,
                    },
                    .correctButton = 1,
                },
            }},
        },
    };
}

} // namespace piyota::content::stage2
