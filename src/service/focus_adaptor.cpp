#include "service/focus_adaptor.h"

#include "focus/focus_rules.h"
#include "service/bus_object.h"
#include "service/focus_host.h"
#include "service/properties_changed.h"
#include "service/service_error.h"
#include "service/service_names.h"

FocusAdaptor::FocusAdaptor(FocusHost& host, QDBusConnection bus, QObject* object)
    : QDBusAbstractAdaptor(object), host(host), bus(std::move(bus)) {
    connect(&host, &FocusHost::statusChanged, this, &FocusAdaptor::announce);
}

QString FocusAdaptor::backend() const {
    return host.status().backend;
}

QString FocusAdaptor::problem() const {
    return host.status().problem;
}

QString FocusAdaptor::focusedApplication() const {
    return host.status().focusedApplication;
}

QStringList FocusAdaptor::recentApplications() const {
    return host.status().recentApplications;
}

void FocusAdaptor::ReportFocus(const QString& desktop, const QString& appId) {
    // A window without a class or app id has no application to match; it is not a fault.
    if (appId.isEmpty())
        return;
    if (!FocusRules::isValidApplication(appId)) {
        BusObject::of(this).sendErrorReply(ServiceError::invalidArgument(),
                                           QStringLiteral("'%1' is no application id").arg(appId));
        return;
    }
    if (!host.reportFocus(desktop, appId))
        BusObject::of(this).sendErrorReply(
            ServiceError::invalidArgument(),
            QStringLiteral("'%1' is no desktop; valid: kwin, gnome-shell").arg(desktop));
}

void FocusAdaptor::announce() {
    const FocusStatus now = host.status();
    sendPropertiesChanged(bus, ServiceNames::objectPath, ServiceNames::focusInterface,
                          {{QStringLiteral("Backend"), now.backend},
                           {QStringLiteral("Problem"), now.problem},
                           {QStringLiteral("FocusedApplication"), now.focusedApplication},
                           {QStringLiteral("RecentApplications"), now.recentApplications}});
}
