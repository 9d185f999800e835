#include "app/TForm1.h"

#include "app/BuildInfo.h"
#include "app/HashEcho.h"
#include "app/TForm11.h"
#include "app/VclTimer.h"
#include "log/ConnectionLogState.h"
#include "log/LogFile.h"
#include "trace/TForm9.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <climits>

namespace corvanta {
namespace {

// Hints keep their stored line breaks ("\r", "\r\n"); a tooltip wants "\n".
QString hint(const char* text) {
    QString h = QString::fromLatin1(text);
    h.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    h.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return h;
}

void paintList(QListWidget* list, const QColor& colour) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, colour);
    list->setPalette(palette);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
}

const char* const kRingwiseHint =
    "Allow optimize your phone books\r\nfor speed-best and quality-best dialing.\r\nAnalyses "
    "phone number in work through\r\nworking hours and working days.\r\nLog file must be "
    "enabled for best result.";

} // namespace

TForm1::TForm1(AppServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint),
      services_(services), logState_(std::make_unique<ConnectionLogState>()),
      logFile_(std::make_unique<LogFile>(services.programFolder + "Corvanta.log")) {
    setObjectName("TForm1");
    setWindowTitle(QString::fromLatin1(ProgramTitle));
    createControls();
    connectHandlers();
    Timer1 = new VclTimer(
        0, false, [this] { Timer1Timer(); }, this);
    Timer2 = new VclTimer(
        300000, false, [this] { Timer2Timer(); }, this);
    Timer3 = new VclTimer(
        600000, true, [this] { Timer3Timer(); }, this);
    TrayIcon1 = services_.makeTray(this);
    TrayIcon1->setHint(ProgramTitle);
    TrayIcon1->onClick = [this] { TrayIcon1Click(); };
    TrayIcon1->onRestore = [this] { TrayIcon1Restore(); };
    TrayIcon1->onMenuRestore = [this] { Restore1Click(); };
    TrayIcon1->onMenuAbout = [this] { About1Click(); };
}

TForm1::~TForm1() {
    FormDestroy();
    delete TraceWindow.data();
    delete SplashWindow.data();
}

void TForm1::createControls() {
    auto make = [this]<typename T>(T*& control, const char* name, QWidget* owner) {
        control = new T(owner);
        control->setObjectName(QString::fromLatin1(name));
        createdControls_.push_back(control);
        return control;
    };
    auto button = [&](QPushButton*& b, const char* name, const char* caption, const char* tip,
                      QWidget* owner) {
        make(b, name, owner);
        b->setText(QString::fromUtf8(caption));
        b->setToolTip(hint(tip));
        b->setFlat(true);
        b->setCursor(Qt::PointingHandCursor);
    };
    auto check = [&](QCheckBox*& c, const char* name, const char* caption, bool checked,
                     const char* tip, QWidget* owner) {
        make(c, name, owner);
        c->setText(QString::fromLatin1(caption));
        c->setChecked(checked);
        c->setToolTip(hint(tip));
    };

    auto* columns = new QHBoxLayout;
    auto* lists = new QVBoxLayout;
    auto listGroup = [&](QGroupBox*& group, const char* name, const char* caption,
                         QListWidget*& list, const char* listName, QColor colour, QPushButton*& add,
                         const char* addName, QPushButton*& del, const char* delName,
                         QPushButton*& clear, const char* clearName) {
        make(group, name, this);
        group->setTitle(QString::fromLatin1(caption));
        make(list, listName, group);
        paintList(list, colour);
        button(add, addName, "+", "Add mask", group);
        button(del, delName, "\u2212", "Delete mask", group);
        button(clear, clearName, "\u00d7", "Clear all", group);
        auto* layout = new QGridLayout(group);
        layout->addWidget(list, 0, 0, 4, 1);
        layout->addWidget(add, 0, 1);
        layout->addWidget(del, 1, 1);
        layout->addWidget(clear, 2, 1);
        lists->addWidget(group);
    };
    listGroup(GroupBox1, "GroupBox1", " Prohibited Phone List ", ListBox2, "ListBox2",
              QColor(254, 239, 233), LbSpeedButton9, "LbSpeedButton9", LbSpeedButton10,
              "LbSpeedButton10", LbSpeedButton11, "LbSpeedButton11");
    listGroup(GroupBox2, "GroupBox2", " Allowed Phone List ", ListBox3, "ListBox3",
              QColor(243, 255, 242), LbSpeedButton12, "LbSpeedButton12", LbSpeedButton13,
              "LbSpeedButton13", LbSpeedButton14, "LbSpeedButton14");

    make(GroupBox3, "GroupBox3", this);
    GroupBox3->setTitle(" Options ");
    auto* options = new QGridLayout(GroupBox3);
    // Creation order below is the order of the stored settings.
    check(CheckBox4, "CheckBox4", "Detailed", true, "Out detailed log", GroupBox3);
    check(CheckBox1, "CheckBox1", "Log", true,
          "Out Log.\rThis function necessary for analyze your rings.\rAnd helps optimize it "
          "with Ringwise(TM)",
          GroupBox3);
    check(CheckBox3, "CheckBox3", "Show Alert", true,
          "Show alert on attempt dialing prohibited phone number.", GroupBox3);
    check(CheckBox5, "CheckBox5", "Start at system startup", true,
          "Run Corvanta at system startup\r\nautomatically", GroupBox3);
    check(CheckBox6, "CheckBox6", "Password protected", false,
          "Protect main Corvanta window with the password.", GroupBox3);
    make(MaskEdit1, "MaskEdit1", GroupBox3);
    showHashesFor(MaskEdit1);
    check(CheckBox2, "CheckBox2", "Force detect IP Address", false,
          "Force detect IP Address when prohibited phone number called", GroupBox3);
    check(CheckBox7, "CheckBox7", "Force trace ISP", false,
          "Trace the route to your provider when a prohibited number is called\r\nand keep it "
          "as evidence in PROHIBITED.LOG",
          GroupBox3);
    check(CheckBox8, "CheckBox8", "Use sound", true, "Use sound on start and alarm", GroupBox3);
    check(CheckBox9, "CheckBox9", "Use Ringwise (TM)", true, kRingwiseHint, GroupBox3);
    check(CheckBox10, "CheckBox10", "Show startup logo", true, "Show startup logo", GroupBox3);
    check(CheckBox11, "CheckBox11", "Training mode", false,
          "For normal working of Ringwise (TM)\r\nneed training period. Please in first time "
          "of\r\nuse check Training mode.",
          GroupBox3);
    check(CheckBox12, "CheckBox12", "Weekly", false, kRingwiseHint, GroupBox3);
    button(LbSpeedButton7, "LbSpeedButton7", "View", "View Log", GroupBox3);
    button(LbSpeedButton8, "LbSpeedButton8", "Clear", "Clear Log", GroupBox3);
    make(Label1, "Label1", GroupBox3);
    Label1->setText("Time Limit:");
    make(CSpinEdit1, "CSpinEdit1", GroupBox3);
    CSpinEdit1->setRange(INT_MIN, INT_MAX);
    CSpinEdit1->setValue(0);
    CSpinEdit1->setToolTip(hint("Connection Time Limit (in minutes)\r0 - No limit"));

    auto* logRow = new QHBoxLayout;
    logRow->addWidget(CheckBox1);
    logRow->addWidget(LbSpeedButton7);
    logRow->addWidget(LbSpeedButton8);
    int row = 0;
    options->addLayout(logRow, row++, 0, 1, 2);
    options->addWidget(CheckBox4, row++, 0, 1, 2);
    options->addWidget(CheckBox9, row, 0);
    options->addWidget(CheckBox11, row++, 1);
    options->addWidget(CheckBox12, row++, 0, 1, 2);
    options->addWidget(CheckBox3, row, 0);
    options->addWidget(CheckBox8, row++, 1);
    options->addWidget(CheckBox5, row++, 0, 1, 2);
    options->addWidget(CheckBox10, row++, 0, 1, 2);
    options->addWidget(Label1, row, 0);
    options->addWidget(CSpinEdit1, row++, 1);
    options->addWidget(CheckBox2, row++, 0, 1, 2);
    options->addWidget(CheckBox7, row++, 0, 1, 2);
    options->addWidget(CheckBox6, row, 0);
    options->addWidget(MaskEdit1, row++, 1);

    auto* actions = new QVBoxLayout;
    button(LbSpeedButton1, "LbSpeedButton1", "Configuration Wizard",
           "Helps you setup your copy of Corvanta", this);
    button(LbSpeedButton2, "LbSpeedButton2", "About", "About Corvanta", this);
    button(LbSpeedButton3, "LbSpeedButton3", "Trace ISP",
           "Trace the route to your Internet service provider", this);
    button(LbSpeedButton4, "LbSpeedButton4", "Scan for dangerous files",
           "Scan disks, folders and files for dangerous files", this);
    button(LbSpeedButton5, "LbSpeedButton5", "Unload",
           "Unload Corvanta from system. After unload your system will be \r\nvulnerable.", this);
    button(LbSpeedButton6, "LbSpeedButton6", "Hide",
           "Hide Corvanta as Tray Icon.\r\nFor restore this window simple click on Tray Icon",
           this);
    for (QPushButton* b : {LbSpeedButton1, LbSpeedButton2, LbSpeedButton3, LbSpeedButton4,
                           LbSpeedButton5, LbSpeedButton6})
        actions->addWidget(b);
    actions->addStretch();
    LbSpeedButton1->setEnabled(false); // until the configuration wizard is built
    LbSpeedButton4->setEnabled(false); // until the scanner is built
    make(Button1, "Button1", this);
    Button1->setText("Test");
    Button1->setVisible(false);

    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox3);
    columns->addLayout(lists, 3);
    columns->addLayout(right, 3);
    columns->addLayout(actions, 2);

    make(StatusBar1, "StatusBar1", this);
    StatusBar1->setSizeGripEnabled(false);
    auto* root = new QVBoxLayout(this);
    root->addLayout(columns);
    root->addWidget(StatusBar1);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::connectHandlers() {
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    connect(CheckBox5, &QCheckBox::toggled, this, [this] { CheckBox5Click(); });
    connect(CheckBox6, &QCheckBox::toggled, this, [this] { CheckBox6Click(); });
    connect(CheckBox9, &QCheckBox::toggled, this, [this] { CheckBox9Click(); });
    connect(CheckBox11, &QCheckBox::clicked, this, [this] { CheckBox11MouseUp(); });
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {LbSpeedButton1, &TForm1::LbSpeedButton1Click},
        {LbSpeedButton2, &TForm1::LbSpeedButton2Click},
        {LbSpeedButton3, &TForm1::LbSpeedButton3Click},
        {LbSpeedButton4, &TForm1::LbSpeedButton4Click},
        {LbSpeedButton5, &TForm1::LbSpeedButton5Click},
        {LbSpeedButton6, &TForm1::LbSpeedButton6Click},
        {LbSpeedButton7, &TForm1::LbSpeedButton7Click},
        {LbSpeedButton8, &TForm1::LbSpeedButton8Click},
        {LbSpeedButton9, &TForm1::LbSpeedButton9Click},
        {LbSpeedButton10, &TForm1::LbSpeedButton10Click},
        {LbSpeedButton11, &TForm1::LbSpeedButton11Click},
        {LbSpeedButton12, &TForm1::LbSpeedButton12Click},
        {LbSpeedButton13, &TForm1::LbSpeedButton13Click},
        {LbSpeedButton14, &TForm1::LbSpeedButton14Click},
        {Button1, &TForm1::Button1Click},
    };
    for (const auto& [b, handler] : buttons)
        connect(b, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, [this] { ListBox2DblClick(); });
    connect(ListBox3, &QListWidget::itemDoubleClicked, this, [this] { ListBox3DblClick(); });
}

bool TForm1::confirm(const QString& text, MessageButtons buttons) {
    const MessageResult answer =
        services_.dialogs.message(this, text, MessageKind::Warning, buttons);
    return answer == MessageResult::Ok || answer == MessageResult::Yes;
}

void TForm1::inform(const QString& text) {
    services_.dialogs.message(this, text, MessageKind::Information, MessageButtons::Ok);
}

} // namespace corvanta
