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

    // True when another copy runs; that copy has then been asked to bring its window forward.
    bool isRunning();

signals:
    // A later copy asked this one to bring its window to the front.
    void raiseRequested();

private:
    InstanceGuard* guard = nullptr;
};
