#pragma once

#include <functional>

// Tells the user that a macro did not fit into its keyboard slot and was cut: in the window a
// modal warning box that waits for OK (showWarningBox, which the window puts in place at start),
// elsewhere a line in the log; tests put their own presenter in its place.
class MacroOverflowWarning {
public:
    using Presenter = std::function<void()>;

    static void show();
    // Replaces the presenter and returns the one it replaced.
    static Presenter replacePresenter(Presenter presenter);
    static void showWarningBox();
};
