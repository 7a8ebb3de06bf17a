#pragma once

#include "device/device_command.h"
#include "device/transfer_outcome.h"
#include "platform/hid_backend.h"

#include <QFuture>
#include <QString>
#include <QThread>
#include <QThreadPool>

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>

class Widget;

// The device link: the paths of the keyboard's two interfaces, the command channel and the
// keyboard commands. It is a QThread by descent only; its own thread never runs. Set commands
// transfer on a worker thread of the link's own, get commands on the calling thread, and a
// listener job on another thread of the link's own watches the notification interface for
// acknowledgements.
// Every command must be issued from the same (user-interface) thread.
class Hid_Thread : public QThread {
    Q_OBJECT

public:
    using Frame = std::array<uchar, frameLength>;

    // Talks to the keyboard through `backend`; without one, through hidapi.
    explicit Hid_Thread(std::shared_ptr<HidBackend> backend = nullptr);
    ~Hid_Thread() override;

    HidBackend& hidBackend() const { return *backend; }

    // Interface paths; a scan replaces them, a failed open clears them.
    void setDevicePaths(const QString& path, const QString& path2);
    QString commandPath() const;
    QString notificationPath() const;

    // Whether the last open of the command interface was refused to this user for lack of
    // permission: the keyboard is listed, but no udev rule gives access.
    bool isCommandAccessRefused() const { return commandAccessRefused.load(); }

    HidHandle* openDevice();
    void closeDevice();
    HidHandle* openDevice2();
    void closeDevice2();

    // Claims the command channel, waiting up to about 2 s for it to come free.
    bool waitIdle();
    // Waits up to `milliseconds` for the channel to come free, without claiming it.
    bool waitUntilIdle(int milliseconds);
    // Transfers that run when this returns have ended. Call after stopListen().
    void waitForTransfers();
    // The first thing that went wrong with a command since the last call (Done: nothing), and
    // starts collecting afresh. Commands whose transfer still runs are not counted yet.
    TransferOutcome takeTransferFailure();

    bool hid_Write(int len, bool isWaitAck);
    bool hid_Read(int len);
    void waitAck();
    void listenDevice();
    void startListen();
    void stopListen();

    Widget* owner = nullptr;
    bool isConnected = false;

public slots:
    uchar hidCS(uchar* cmd);

    void hid_01H_SetReportRate(uchar rate);
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                            uchar direction);
    void hid_0DH_SetKeyMatrix(uchar* src512);
    void hid_0EH_SetKeyOnOff(uchar* src21);
    void hid_09H_SetKeyboardMode(uchar mode);
    void hid_11H_SetMacroKey(uchar macroId, uchar* src192);
    void hid_12H_SetUserPicture(uchar index, uchar option, uchar* src512);
    void hid_13H_SetRecoveryData();
    void hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    void hid_15H_SetBackLEDType(uchar effect, uchar speed, uchar light, uchar color,
                                uchar direction);

    void hid_80H_GetFWVersion(QString& version);
    void hid_81H_GetReportRate(uchar& rate);
    void hid_82H_GetCurrentProfile(uchar& profile);
    void hid_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);
    void hid_84H_GetButtonSensitivity(uchar& sens1, uchar& sens2, uchar& sens3, uchar& sens4);
    void hid_88H_GetLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                            uchar& direction);
    void hid_89H_GetKeyboardMode(uchar& mode);
    void hid_8DH_GetKeyMatrix(uchar* src512);
    void hid_8EH_GetKeyOnOff(uchar* src21);
    void hid_91H_GetMacroKey(uchar macroId, uchar* src192);
    void hid_92H_GetUserPicture(uchar index, uchar* src512);
    void hid_94H_GetColor(uchar index, uchar& rValue, uchar& gValue, uchar& bValue);
    void hid_95H_GetBackLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                                uchar& direction);

private:
    enum class GetResult { NotClaimed, Failed, Done };
    struct Transfer {
        int len = 0;
        bool isWaitAck = false;
    };

    Frame buildFrame(const DeviceCommand& command, std::initializer_list<uchar> arguments);
    void startSetCommand(const DeviceCommand& command, std::initializer_list<uchar> arguments,
                         const uchar* payload = nullptr);
    GetResult runGetCommand(const DeviceCommand& command, std::initializer_list<uchar> arguments,
                            std::initializer_list<uchar*> results, uchar* payload = nullptr);
    using Exchange = std::function<bool(HidHandle*)>;
    TransferOutcome transfer(const Exchange& exchange);
    TransferOutcome lockedTransfer(const QString& path, const Exchange& exchange);
    void noteOutcome(TransferOutcome outcome);
    bool writeReports(HidHandle* handle, int len, bool isWaitAck);
    bool readReports(HidHandle* handle, int len);
    void runPendingTransfer();
    void releaseChannel();
    HidHandle* openInterface(QString& path, HidHandle*& handle, HidOpenError* error = nullptr);
    void closeInterface(HidHandle*& handle);

    QString devPath;
    QString devPath2;
    HidHandle* devHandle = nullptr;
    HidHandle* devHandle2 = nullptr;
    std::atomic<bool> isIdle{true};
    std::atomic<bool> isListening{false};
    std::atomic<bool> isAcked{true};
    std::atomic<TransferOutcome> transferFailure{TransferOutcome::Done};
    std::atomic<bool> commandAccessRefused{false};
    QFuture<void> listenFuture;
    Frame cmdBuf{};
    Frame rspBuf{};
    std::array<uchar, maxPayloadLength> dataBuf{};

    std::shared_ptr<HidBackend> backend;
    // Guards devPath and devPath2, which scans write while transfers and the listener use them.
    // (Standard locks: ThreadSanitizer sees through them, unlike Qt's futex-based ones.)
    mutable std::mutex pathLock;
    // Lets a command waiting for the channel take it the moment a transfer frees it.
    std::mutex idleLock;
    std::condition_variable idleChanged;
    // The set command whose transfer is about to run; guarded by idleLock.
    Transfer pendingTransfer;
    // The link's own threads: one for the listener, one for the transfers, so that a transfer
    // never waits behind the listener. Declared last so that they are destroyed first, after
    // waiting for their jobs.
    QThreadPool listenPool;
    QThreadPool transferPool;
};
