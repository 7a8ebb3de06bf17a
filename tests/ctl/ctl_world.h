#pragma once

#include "../device/virtual_link.h"
#include "../settings/settings_sandbox.h"
#include "../settings/view_under_test.h"
#include "ctl/korvane_ctl.h"

#include <QDir>
#include <QMap>

#include <functional>

// One settings folder with the shipped layout files and one virtual Z9: the window's controller
// or korvanectl works in it, and afterwards its profile files, macro files and wire record are
// compared with another world's.
class CtlWorld {
public:
    using Files = QMap<QString, QByteArray>;

    struct CtlRun {
        int status = -1;
        QString out;
        QString err;
    };

    // `shipped`: the folder the build copied the data tree into; `seed`: files by relative path.
    CtlWorld(const QString& shipped, const Files& seed) {
        for (const char* name : {"HWDef.bin", "pD.bin"}) {
            const QString relative = QStringLiteral("modules/setting/") + QLatin1String(name);
            QFile::copy(QDir(shipped).filePath(relative), sandbox.path(relative));
        }
        QDir(sandbox.path(QString())).mkpath(QStringLiteral("modules/macro"));
        for (auto file = seed.begin(); file != seed.end(); ++file)
            sandbox.write(file.key(), file.value());
    }

    void enter() const { QDir::setCurrent(sandbox.path(QString())); }

    // The window: the controller on a device link that found the keyboard, with the keyboard's
    // profile selected, as after the user picked it.
    void runWindow(const std::function<void(myQQuickView&, FakeSettingsDialogs&)>& actions) {
        enter();
        Hid_Thread hid(std::make_shared<VirtualHidBackend>(keyboard));
        QList<DevInfo> table = readDeviceTable(deviceTableFile);
        findDevices(&hid, table);
        hid.startListen();
        {
            ViewUnderTest view;
            view->hidThread = &hid;
            view->currentProfile = keyboard->state().currentProfile;
            actions(*view.view, *view.dialogs);
            hid.waitUntilIdle(5000);
        }
        hid.stopListen();
    }

    CtlRun runCtl(const QStringList& arguments) {
        enter();
        CtlRun run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        auto backend = std::make_shared<VirtualHidBackend>(keyboard);
        backend->refuseAccess(refuseAccess);
        run.status = runKorvaneCtl(arguments, backend, sandbox.path(QString()), out, err);
        out.flush();
        err.flush();
        return run;
    }

    // What the host sent to set something: frames of set commands and their payloads.
    QList<WireReport> setTraffic() const {
        QList<WireReport> sent;
        for (const WireReport& report : keyboard->record()) {
            const bool setFrame = report.kind == WireReport::Kind::FeatureOut &&
                                  report.bytes.size() > 1 && uchar(report.bytes[1]) < 0x80;
            if (setFrame || report.kind == WireReport::Kind::Output)
                sent.append(report);
        }
        return sent;
    }

    // The profile and macro files, by relative path.
    Files settingsFiles() const {
        Files files;
        for (const char* folder : {"modules/setting", "modules/macro"}) {
            const QDir dir(sandbox.path(QLatin1String(folder)));
            for (const QString& name : dir.entryList(QDir::Files)) {
                if (name.startsWith(QLatin1Char('p')) ||
                    QLatin1String(folder) == QLatin1String("modules/macro"))
                    files.insert(QLatin1String(folder) + QLatin1Char('/') + name,
                                 sandbox.read(QLatin1String(folder) + QLatin1Char('/') + name));
            }
        }
        files.remove(QStringLiteral("modules/setting/pD.bin"));
        return files;
    }

    SettingsSandbox sandbox;
    std::shared_ptr<VirtualKeyboard> keyboard = std::make_shared<VirtualKeyboard>();
    // korvanectl's opens fail for lack of permission.
    bool refuseAccess = false;
};
