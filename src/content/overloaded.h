// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota::content {

// Reads a variant with whichever of the given callables takes the type it
// holds: std::visit(Overloaded{[](const draw::Print &) { ... }, ...}, op).
template <class... Callables>
struct Overloaded : Callables... {
    using Callables::operator()...;
};
// Spelt out for clang before 17, which does not deduce an aggregate's arguments.
template <class... Callables>
Overloaded(Callables...) -> Overloaded<Callables...>;

} // namespace piyota::content
