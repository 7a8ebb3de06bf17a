// Reports the focused window's application to korvane-service, for GNOME Shell 40 to 44, which
// load extensions as scripts rather than modules (Debian 12 ships 43). GNOME Shell on Wayland
// shows other programs no window's focus, so the report has to come from inside the shell.
const {Gio, GLib} = imports.gi;

class KorvaneFocusExtension {
    enable() {
        this._focusHandler = global.display.connect('notify::focus-window', () => this._report());
        this._report();
    }

    disable() {
        global.display.disconnect(this._focusHandler);
        this._focusHandler = null;
    }

    _report() {
        const window = global.display.focus_window;
        // Mutter keeps a Wayland client's app id as its window class, as X11 keeps the class.
        const appId = window ? window.get_wm_class() : null;
        if (!appId)
            return;
        Gio.DBus.session.call('org.korvane.Keyboard1', '/org/korvane/Keyboard1',
            'org.korvane.Keyboard1.Focus', 'ReportFocus',
            new GLib.Variant('(ss)', ['gnome-shell', appId]), null, Gio.DBusCallFlags.NONE, -1,
            null, null);
    }
}

// The shell calls init() once and enables the object it returns.
function init() {
    return new KorvaneFocusExtension();
}
