#pragma once

#include <QApplication>

class InstanceGuard;

// A GUI application object that knows whether another copy of the same executable already runs for
// this user. The lock lives in the user's runtime directory and is named after a hash of the
// executable's absolute path, so a copy in another directory is a different application.
class SingleApplication : public QApplication {
    Q_OBJECT

public:
    SingleApplication(int& argc, char** argv);
    ~SingleApplication() override;

    // True when another copy runs; that copy has then been asked to bring its window forward,
    // with the activation token that the launcher gave this start (read before the application
    // object existed: the toolkit may take it from the environment).
    bool isRunning(const QString& activationToken = {});

signals:
    // A later copy asked this one to bring its window to the front, passing on the activation
    // token its launcher gave it (empty when none).
    void raiseRequested(const QString& activationToken);

private:
    InstanceGuard* guard = nullptr;
};
