// Reports the active window's application to korvane-service, which switches the Z9 keyboard's
// profile by the user's per-application rules. KWin on Wayland shows other programs no window's
// focus, so the report has to come from inside KWin.

function reportFocus(window) {
    if (!window) {
        return;
    }
    // On Wayland KWin keeps the app id as the resource class, as X11 keeps the window class.
    const appId = String(window.resourceClass || "");
    if (appId === "") {
        return;
    }
    callDBus("org.korvane.Keyboard1", "/org/korvane/Keyboard1", "org.korvane.Keyboard1.Focus",
             "ReportFocus", "kwin", appId);
}

// Plasma 6 names it windowActivated, Plasma 5 clientActivated.
const activated = workspace.windowActivated || workspace.clientActivated;
activated.connect(reportFocus);
reportFocus(workspace.activeWindow || workspace.activeClient);
