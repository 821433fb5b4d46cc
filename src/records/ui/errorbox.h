#pragma once
// The standard error box of the program: an error raised while an event was
// handled is shown with its text under the program's title, and the program
// goes on.
#include <exception>
#include <functional>

class ErrorBox
{
public:
    static void show(const std::exception &error);

    // Runs `action`; an error it raises is shown instead of leaving through
    // the toolkit's own frames. Returns false when it raised one.
    static bool guard(const std::function<void()> &action);
};
