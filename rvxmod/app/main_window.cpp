#include "rvxmod/app/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include "rvxmod/app/bgr_colour.h"
#include "rvxmod/app/dialogs/date_time_dialog.h"
#include "rvxmod/app/dialogs/message_window.h"
#include "rvxmod/app/help_file.h"
#include "rvxmod/app/navigation_panel.h"
#include "rvxmod/app/pages/about_page.h"
#include "rvxmod/app/pages/config/other_options.h"
#include "rvxmod/app/pages/config_page.h"
#include "rvxmod/app/pages/program_page.h"
#include "rvxmod/app/pages/sample_page.h"
#include "rvxmod/app/pages/tool_info/tool_info_panel.h"
#include "rvxmod/app/pages/tool_info_page.h"
#include "rvxmod/app/qt_user_port.h"
#include "rvxmod/app/scrolling_status.h"
#include "rvxmod/app/tool_session.h"
#include "rvxmod/app/widgets/fold_panel.h"
#include "rvxmod/shell/sound_list_file.h"

namespace rvxmod::app {
namespace {
constexpr QSize kWindowSize(655, 528);
constexpr int kNavigationWidth = 100;
// The window keeps the compact size of the original design, so it uses a compact font.
constexpr qreal kFontPoints = 8;
constexpr auto kChordModifiers = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
constexpr auto kTempCalFolder = "TempCalFiles";

QString captionText() {
    return QStringLiteral("RVXMod ") + QLatin1String(kProductVersion);
}
}  // namespace

TForm1::TForm1(const MainWindowSetup& setup)
    : setup_(setup),
      pages_(new QStackedWidget(this)),
      toolInfo_(new TFormToolInfo(pages_)),
      config_(new TFormConfig(sounds_, pages_)),
      sample_(new TFormSample(pages_)),
      about_(new TFormAbout(pages_)),
      program_(new TFormProgram(pages_)),
      progress_(new QProgressBar(this)),
      status_(new ScrollingStatus(this)),
      help_(new QPushButton(this)),
      messages_(new TFormMessageWindow(sounds_, this)),
      dateTime_(new DateTimeDialog(sounds_, this)),
      userPort_(std::make_unique<QtUserPort>(*this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(captionText());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, bgrColour(kMainWindowColour));
    setPalette(colours);
    QFont compact = font();
    compact.setPointSizeF(kFontPoints);
    setFont(compact);
    resize(kWindowSize);

    for (QWidget* page :
         std::initializer_list<QWidget*>{toolInfo_, config_, sample_, about_, program_})
        pages_->addWidget(page);
    pages_->setFrameShape(QFrame::StyledPanel);

    auto* column = new QWidget(this);
    column->setFixedWidth(kNavigationWidth);
    buildNavigation(column);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(column);
    layout->addWidget(pages_, 1);
    setCentralWidget(central);

    new ToolInfoPanel(*this, ToolSession::overSerialDevices());
    playClickSoundOnButtonsOf({toolInfo_, config_, sample_, about_, program_});
    config_->registerCommandControls(commands_);
    sample_->registerCommandControls(commands_);
    connect(config_, &TFormConfig::languageChosen, this, &TForm1::changeLanguage);
    connect(help_, &QPushButton::clicked, this, &TForm1::openHelpFile);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &TForm1::openHelpFile);
    qApp->installEventFilter(this);
    retranslateUi();

    showPage(ToolInfo);
    reloadSoundList();
    sounds_.setSwitches({sounds_.isLoaded(), sounds_.isLoaded()});
    applyAccessLevels();
    const Preferences saved = loadPreferences(setup_.preferencesPath.toStdString());
    applyPreferences(saved);
    if (saved.language != static_cast<int>(Language::English))
        changeLanguage(static_cast<Language>(saved.language));
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::buildNavigation(QWidget* column) {
    static constexpr QStyle::StandardPixmap kIcons[PageCount] = {
        QStyle::SP_ComputerIcon, QStyle::SP_FileDialogDetailedView, QStyle::SP_MediaPlay,
        QStyle::SP_MessageBoxInformation, QStyle::SP_FileDialogContentsView};
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (int page = 0; page < PageCount; ++page) {
        auto* panel = new NavigationPanel(style()->standardIcon(kIcons[page]), column);
        navigation_[page] = panel;
        layout->addWidget(panel);
        connect(panel, &NavigationPanel::clicked, this,
                [this, page] { navigate(static_cast<Page>(page)); });
    }
    layout->addStretch();
    progress_->setTextVisible(false);
    progress_->setFixedHeight(14);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(help_);
}

void TForm1::playClickSoundOnButtonsOf(std::initializer_list<QWidget*> pages) {
    for (QWidget* page : pages)
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            // Fold captions have a sound of their own.
            if (qobject_cast<FoldPanel*>(button->parentWidget())) continue;
            connect(button, &QAbstractButton::clicked, this,
                    [this] { sounds_.play(SoundItem::Click); });
        }
}

void TForm1::navigate(Page page) {
    showPage(page);
    sounds_.play(SoundItem::PageSwitch);
}

void TForm1::showPage(Page page) {
    for (int other = 0; other < PageCount; ++other) {
        navigation_[other]->setPanelColour(other == page ? kActivePanelColour
                                                         : kInactivePanelColour);
        navigation_[other]->setLabelColour(kNavigationLabelColour);
    }
    pages_->setCurrentIndex(page);
}

TForm1::Page TForm1::currentPage() const {
    return static_cast<Page>(pages_->currentIndex());
}

void TForm1::EnableButtons(bool on) {
    commands_.setEnabled(on);
}

void TForm1::setBusy(bool busy) {
    if (busy && ++busyDepth_ == 1) {
        EnableButtons(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!busy && busyDepth_ > 0 && --busyDepth_ == 0) {
        EnableButtons(true);
        QApplication::restoreOverrideCursor();
    }
}

void TForm1::setProgress(int value, int maximum) {
    progress_->setMaximum(maximum);
    progress_->setValue(value);
}

void TForm1::openHelpFile() {
    sounds_.play(SoundItem::Click);
    const rvx::Status opened = rvxmod::app::openHelpFile(setup_.startupDirectory);
    if (!opened.ok()) messages_->showMessageError(QString::fromStdString(opened.error().message));
}

rvx::UserPort& TForm1::userPort() {
    return *userPort_;
}

void TForm1::reloadSoundList() {
    sounds_.load(QDir(setup_.startupDirectory).filePath(QLatin1String(kSoundListFileName.data())));
    config_->otherOptions().recheckSoundList();
}

void TForm1::applyAccessLevels() {
    toolInfo_->setSupervisorLevel(access_.supervisor);
    config_->applyAccessLevels(access_);
}

void TForm1::applyPreferences(const Preferences& preferences) {
    toolInfo_->applyPreferences(preferences);
    config_->applyPreferences(preferences);
    access_.extraFromFile = preferences.extraSupervisor;
    if (preferences.extraSupervisor) access_.extraSupervisor = true;
    applyAccessLevels();
    sample_->applyPreferences(preferences);
}

Preferences TForm1::currentPreferences() const {
    Preferences preferences;
    toolInfo_->storePreferences(preferences);
    config_->storePreferences(preferences);
    sample_->storePreferences(preferences);
    preferences.extraSupervisor = access_.keepsMarkerOnSave();
    return preferences;
}

rvx::Status TForm1::savePreferences() const {
    const Preferences preferences = currentPreferences();
    QDir().mkpath(QFileInfo(setup_.preferencesPath).absolutePath());
    return rvxmod::savePreferences(preferences, setup_.preferencesPath.toStdString());
}

void TForm1::changeLanguage(Language language) {
    const Page shown = currentPage();
    reloadSoundList();
    if (const rvx::Status applied = language_.apply(language); !applied.ok()) {
        config_->otherOptions().setLanguage(language_.current());
        messages_->showMessageError(QString::fromStdString(applied.error().message));
        return;
    }
    // Qt posts the language change to every window: let them retranslate now, then restore
    // what a fresh start would lose: the saved choices, sizes and levels.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    config_->otherOptions().setLanguage(language);
    if (const rvx::Status saved = savePreferences(); !saved.ok())
        messages_->showMessageError(QString::fromStdString(saved.error().message));
    reloadSoundList();
    config_->foldPanels();
    messages_->resetSize();
    resize(kWindowSize);
    setWindowTitle(captionText());
    applyPreferences(loadPreferences(setup_.preferencesPath.toStdString()));
    config_->otherOptions().applyLanguageLayout(language);
    showPage(shown);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (const rvx::Status saved = savePreferences(); !saved.ok())
        messages_->showMessageError(QString::fromStdString(saved.error().message));
    QDir(QDir(setup_.startupDirectory).filePath(QLatin1String(kTempCalFolder))).removeRecursively();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == kChordModifiers && key->key() == kExtraSupervisorLetter) {
            access_.toggleExtraByChord();
            applyAccessLevels();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::retranslateUi() {
    static constexpr const char* kPageNames[PageCount] = {
        QT_TR_NOOP("Tool Info"), QT_TR_NOOP("Config"), QT_TR_NOOP("Sample"), QT_TR_NOOP("About"),
        QT_TR_NOOP("Program")};
    for (int page = 0; page < PageCount; ++page) navigation_[page]->setText(tr(kPageNames[page]));
    help_->setText(tr("Help"));
}

}  // namespace rvxmod::app
