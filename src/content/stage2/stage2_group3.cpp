// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage2_groups.h"

namespace piyota::content::stage2 {

using namespace Qt::StringLiterals;

std::vector<Problem> problems26To30()
{
    return {
        // Problem 26: maximum and minimum over all x
        {
            .number = 26,
            .layouts = {{
                {
                    .question = {
                        line(u"　　　　次の２次関数の最大値と最小値を求めよ。"_s),
                        squared({{16}}, 780, u"　　　　　ｙ＝ｘ  －６ｘ＋１"_s),
                        line(u"　　　　ただし、解答群の左が最大値、右が最小値とする。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"なし ， １"_s,
                        u"１ ， なし"_s,
                        u"なし ， ３"_s,
                        u"３ ， なし"_s,
                        u"なし ， なし"_s,
                        u"－８ ， なし"_s,
                        u"なし ， －８"_s,
                    },
                    .correctButton = 7,
                },
                {
                    .question = {
                        line(u"　　　　次の２次関数の最大値と最小値を求めよ。"_s),
                        squared({{19}}, 780, u"　　　　　ｙ＝－ｘ  ＋６ｘ－３"_s),
                        line(u"　　　　ただし、解答群の左が最大値、右が最小値とする。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"なし ， ６"_s,
                        u"６ ， なし"_s,
                        u"なし ， ３"_s,
                        u"３ ， なし"_s,
                        u"なし ， なし"_s,
                        u"なし ， －３"_s,
                        u"－３ ， なし"_s,
                    },
                    .correctButton = 2,
                },
                {
                    .question = {
                        line(u"　　　　次の２次関数の最大値と最小値を求めよ。"_s),
                        squared({{19}}, 780, u"　　　　　ｙ＝－ｘ  ＋４ｘ－５"_s),
                        line(u"　　　　ただし、解答群の左が最大値、右が最小値とする。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"２ ， なし"_s,
                        u"なし ， ２"_s,
                        u"－１ ， なし"_s,
                        u"なし ， －１"_s,
                        u"なし ， なし"_s,
                        u"－５ ， なし"_s,
                        u"なし ， －５"_s,
                    },
                    .correctButton = 3,
                },
            }},
        },

        // Problem 27: maximum and minimum on a closed interval
        {
            .number = 27,
            .layouts = {{
                {
                    .question = {
                        line(u"　　　　次の２次関数の最大値と最小値を求めよ。"_s),
                        squared({{18}}, 780, u"　　　　　ｙ＝３ｘ  ＋６ｘ＋１ (１≦ｘ≦２)"_s),
                        line(u"　　　　ただし、解答群の左が最大値、右が最小値とする。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"－１ ， －２"_s,
                        u"２５ ， ２"_s,
                        u"１０ ， １"_s,
                        u"２ ， １"_s,
                        u"１０ ， －２"_s,
                        u"２５ ， １０"_s,
                        u"２５ ， －２"_s,
                    },
                    .correctButton = 6,
                },
                {
                    .question = {
                        line(u"　　　　次の２次関数の最大値と最小値を求めよ。"_s),
                        squared({{19}}, 780, u"　　　　　ｙ＝－ｘ  －２ｘ＋３ (－５≦ｘ≦－３)"_s),
                        line(u"　　　　ただし、解答群の左が最大値、右が最小値とする。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"４ ， ０"_s,
                        u"４ ， －１２"_s,
                        u"０ ， －１２"_s,
                        u"－３ ， －５"_s,
                        u"０ ， －３"_s,
                        u"－５ ， －１２"_s,
                        u"４ ， －１"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        line(u"　　　　次の２次関数の最大値と最小値を求めよ。"_s),
                        squared({{21}}, 780, u"　　　　　ｙ＝－２ｘ  ＋４ｘ＋１ (０≦ｘ≦４)"_s),
                        line(u"　　　　ただし、解答群の左が最大値、右が最小値とする。"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"４，０"_s,
                        u"１，－１５"_s,
                        u"３，１"_s,
                        u"３，－１５"_s,
                        u"１，０"_s,
                        u"４，－１５"_s,
                        u"４，１"_s,
                    },
                    .correctButton = 4,
                },
            }},
        },

        // Problem 28: a quadratic inequality with two real roots
        {
            .number = 28,
            .layouts = {{
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{14}}, 780, u"　　　　　２ｘ   ＋３ｘ－５＜０ "_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"－１＜ｘ＜５／２"_s,
                        u"ｘ＜－１ ， ５／２＜ｘ"_s,
                        u"－５／２＜ｘ＜１"_s,
                        u"ｘ＜－５／２ ， １＜ｘ"_s,
                        u"－５／２＜ｘ＜－１"_s,
                        u"ｘ＜－５／２ ， －１＜ｘ"_s,
                        u"１＜ｘ＜５／２"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{14}}, 780, u"　　　　　２ｘ   －ｘ－１≦０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ≦－１ ， １／２≦ｘ"_s,
                        u"－１≦ｘ≦１／２"_s,
                        u"ｘ≦－１／２ ， １≦ｘ"_s,
                        u"－１／２≦ｘ≦１"_s,
                        u"ｘ≦１／２ ， １≦ｘ"_s,
                        u"１／２≦ｘ≦１"_s,
                        u"－１≦ｘ≦－１／２"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{14}}, 780, u"　　　　　３ｘ   －４ｘ＋１≧０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ≦－１／３ ， １≦ｘ"_s,
                        u"－１／３≦ｘ≦１"_s,
                        u"ｘ≦－１ ， －１／３≦ｘ"_s,
                        u"－１≦ｘ≦－１／３"_s,
                        u"ｘ≦１／３ ， １≦ｘ"_s,
                        u"１／３≦ｘ≦１"_s,
                        u"ｘ≦－１ ， １／３≦ｘ"_s,
                    },
                    .correctButton = 5,
                },
            }},
        },

        // Problem 29: a quadratic inequality whose quadratic is a perfect square
        {
            .number = 29,
            .layouts = {{
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{12}}, 780, u"　　　　　ｘ   －６ｘ＋９＞０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"全ての実数"_s,
                        u"解なし"_s,
                        u"ｘ＜３ ， ３＜ｘ"_s,
                        u"ｘ＝３"_s,
                        u"ｘ＜－３ ， －３＜ｘ"_s,
                        u"ｘ＝－３"_s,
                        u"ｘ＜－３ ， ３＜ｘ"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{12}}, 780, u"　　　　　ｘ   －８ｘ＋１６＜０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝４"_s,
                        u"ｘ＜４ ， ４＜ｘ"_s,
                        u"全ての実数"_s,
                        u"解なし"_s,
                        u"ｘ＝－４"_s,
                        u"ｘ＜－４ ， －４＜ｘ"_s,
                        u"－４＜ｘ＜４"_s,
                    },
                    .correctButton = 4,
                },
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{12}}, 780, u"　　　　　ｘ   －１０ｘ＋２５≦０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝－５"_s,
                        u"ｘ＜－５ ， －５＜ｘ"_s,
                        u"全ての実数"_s,
                        u"解なし"_s,
                        u"ｘ＝５"_s,
                        u"ｘ＜５ ， ５＜ｘ"_s,
                        u"－５≦ｘ≦５"_s,
                    },
                    .correctButton = 5,
                },
            }},
        },

        // Problem 30: a quadratic inequality whose quadratic has no real root
        {
            .number = 30,
            .layouts = {{
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{12}}, 780, u"　　　　　ｘ   －ｘ＋３＞０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＜１ ， ３＜ｘ"_s,
                        u"ｘ＜－１ ， ３＜ｘ"_s,
                        u"ｘ＜－３ ， －１＜ｘ"_s,
                        u"ｘ＜－３ ， １＜ｘ"_s,
                        u"全ての実数"_s,
                        u"解なし"_s,
                        u"ｘ＝３"_s,
                    },
                    .correctButton = 5,
                },
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{12}}, 780, u"　　　　　ｘ   ＋２ｘ＋３＜０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"－３＜ｘ＜－１"_s,
                        u"－３＜ｘ＜１"_s,
                        u"解なし"_s,
                        u"全ての実数"_s,
                        u"１＜ｘ＜３"_s,
                        u"－１＜ｘ＜３"_s,
                        u"ｘ＝３"_s,
                    },
                    .correctButton = 3,
                },
                {
                    .question = {
                        line(u"　　　　次の２次不等式を解け。"_s),
                        squared({{15}}, 780, u"　　　　　－ｘ   ＋ｘ－２＜０"_s),
                        line(u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s),
                    },
                    .captions = {
                        u"ｘ＝２"_s,
                        u"ｘ＜－２ ， －１＜ｘ"_s,
                        u"ｘ＜１ ， ２＜ｘ"_s,
                        u"ｘ＜－１ ， ２＜ｘ"_s,
                        u"ｘ＜－２ ， １＜ｘ"_s,
                        u"解なし"_s,
                        u"全ての実数"_s,
                    },
                    .correctButton = 7,
                },
            }},
        },
    };
}

} // namespace piyota::content::stage2
