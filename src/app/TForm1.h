#pragma once
// The main window: the hub that owns every setting-bearing control, the shared state of the
// guard and the three timers. Its operations are defined in the folder of their subsystem.
#include "app/AppServices.h"
#include "platform/DateTime.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStatusBar;

namespace corvanta {

class ConnectionLogState;
class LogFile;
class TForm9;
class TForm11;
class VclTimer;

class TForm1 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(AppServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, in creation order where the settings walk reads them.
    QGroupBox* GroupBox1;
    QListWidget* ListBox2;
    QPushButton* LbSpeedButton9;
    QPushButton* LbSpeedButton10;
    QPushButton* LbSpeedButton11;
    QGroupBox* GroupBox2;
    QListWidget* ListBox3;
    QPushButton* LbSpeedButton12;
    QPushButton* LbSpeedButton13;
    QPushButton* LbSpeedButton14;
    QGroupBox* GroupBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QLineEdit* MaskEdit1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox10;
    QCheckBox* CheckBox11;
    QCheckBox* CheckBox12;
    QPushButton* LbSpeedButton7;
    QPushButton* LbSpeedButton8;
    QLabel* Label1;
    QSpinBox* CSpinEdit1;
    QPushButton* LbSpeedButton1;
    QPushButton* LbSpeedButton2;
    QPushButton* LbSpeedButton3;
    QPushButton* LbSpeedButton4;
    QPushButton* LbSpeedButton5;
    QPushButton* LbSpeedButton6;
    QPushButton* Button1;
    QStatusBar* StatusBar1;
    std::unique_ptr<ITray> TrayIcon1;
    VclTimer* Timer1;
    VclTimer* Timer2;
    VclTimer* Timer3;

    // Shared state.
    std::string EntryName;
    std::string DeviceType;
    std::string CurrentIp = "Offline";
    std::string PreviousIp = "OldWhoIs";
    std::string PhoneNumber;
    QPointer<TForm9> TraceWindow;
    QPointer<TForm11> SplashWindow;
    bool SettingsLoaded = false;
    bool OptimisePending = false;
    std::map<std::string, std::vector<int>> DialStats; // number -> counters, for the optimiser
    std::optional<std::vector<std::string>> RankedNumbers;
    std::optional<std::vector<std::string>> EntryNumbers;
    std::int32_t OptimiserCountdown = 0;
    TDateTime ConnectStart = 0;
    bool InTimeLimit = true;
    std::string TrayDetail;

    // Start-up and shutdown.
    void FormCreate();
    void FormDestroy();
    void Timer1Timer();
    void Timer3Timer();

    // Tray and window.
    void TrayIcon1Click();
    void Restore1Click();
    void About1Click();
    void LbSpeedButton6Click();

    // Window protection, autostart, unload, about.
    void CheckBox5Click();
    void CheckBox6Click();
    void TrayIcon1Restore();
    void LbSpeedButton5Click();
    void LbSpeedButton2Click();

    // Phone lists.
    bool CheckPhoneNumber(const std::string& number) const;
    void LbSpeedButton9Click();
    void LbSpeedButton10Click();
    void LbSpeedButton11Click();
    void LbSpeedButton12Click();
    void LbSpeedButton13Click();
    void LbSpeedButton14Click();
    void ListBox2DblClick();
    void ListBox3DblClick();

    // Connection monitor and prohibited-call response.
    void MonitorTick();
    void Button1Click();
    void HangUpConnection(RasHandle connection);
    std::int32_t ProhibitedCallResponse(RasHandle connection, const RasConnStatus& status,
                                        std::int32_t code);

    // Connection log.
    void OutLog(std::int32_t code, const std::string& number);
    void CheckBox1Click();
    void LbSpeedButton7Click();
    void LbSpeedButton8Click();

    // Settings.
    void LoadCFG();
    void SaveCFG();

    // Route trace.
    void LbSpeedButton3Click();

    // Dial optimiser, configuration wizard and scanner: filled by their own subsystems.
    void RunDialOptimiser();
    void CheckBox9Click();
    void CheckBox11MouseUp();
    void Timer2Timer();
    void LbSpeedButton1Click();
    void LbSpeedButton4Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void finishFirstTick();
    void addMaskTo(QListWidget* list);
    void editSelectedMask(QListWidget* list);
    void deleteSelectedMask(QListWidget* list);
    void clearMasks(QListWidget* list, const QString& warning);
    bool confirm(const QString& text, MessageButtons buttons);
    void inform(const QString& text);
    void reportStatusFailure(RasHandle connection, RasStatus error);
    std::string runForcedTrace();
    void waitForAddress();
    void waitForTraceEnd();
    void showAlert(const RasConnStatus& status);
    void appendLogRecord(const std::string& record);
    std::vector<QWidget*> settingsWalk() const;
    void settingsNotLoaded(const QString& message);

    AppServices& services_;
    std::vector<QWidget*> createdControls_; // creation order, read by the settings walk
    std::unique_ptr<ConnectionLogState> logState_;
    std::unique_ptr<LogFile> logFile_;
    std::set<std::pair<RasHandle, RasStatus>> statusFailuresShown_;
    std::set<RasHandle> responsesOpen_; // prohibited calls whose response is under way
    bool formDestroyed_ = false;
    bool logProblemReported_ = false;
};

} // namespace corvanta
