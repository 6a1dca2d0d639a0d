#pragma once

#include "submission/Outcome.h"

#include <string>

namespace desklet {

// What a person is told of an outcome, in the user's language: the one place where
// a failure becomes words, for the window's box and the terminal's lines alike.
struct OutcomeText {
    enum class Icon { None, Exclamation };

    // Empty when there is nothing to tell: a success, or a cancel before anything went.
    std::string text;
    std::string caption;
    Icon icon = Icon::None;
    // What went wrong underneath, a sentence a line; empty when there is nothing to add.
    std::string details;
    // The caption names what the text is about (the refused entry): a one-line
    // form puts it first.
    bool captionNamesSubject = false;

    static OutcomeText For(const Outcome& outcome);
};

} // namespace desklet
