#pragma once

#include "controller/myqquickview.h"
#include "fake_settings_dialogs.h"
#include "settings/settings_file.h"

#include <QCoreApplication>

#include <memory>

// A controller whose dialogs are scripted. Create it after the sandbox it should work in.
class ViewUnderTest {
public:
    ViewUnderTest() {
        auto fake = std::make_unique<FakeSettingsDialogs>();
        dialogs = fake.get();
        view = std::make_unique<myQQuickView>();
        view->settingsDialogs = std::move(fake);
    }
    ~ViewUnderTest() {
        view.reset();
        // Replaced profile objects are handed to deleteLater().
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    myQQuickView* operator->() const { return view.get(); }
    SettingsFile& profile(int index) const { return *view->profileSettings[index]; }

    std::unique_ptr<myQQuickView> view;
    FakeSettingsDialogs* dialogs = nullptr;
};
