// Reports the focused window's application to korvane-service, which switches the Z9 keyboard's
// profile by the user's per-application rules. GNOME Shell on Wayland shows other programs no
// window's focus, so the report has to come from inside the shell.
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

export default class KorvaneFocusExtension extends Extension {
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
