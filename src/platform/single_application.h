#pragma once

#include <QApplication>
#include <QLockFile>

#include <memory>

// A GUI application object that knows whether another copy of the same executable already runs for
// this user. The lock lives in the user's runtime directory and is named after a hash of the
// executable's absolute path, so a copy in another directory is a different application.
class SingleApplication : public QApplication {
    Q_OBJECT

public:
    SingleApplication(int& argc, char** argv);
    ~SingleApplication() override;

    bool isRunning();

private:
    std::unique_ptr<QLockFile> lock;
};
