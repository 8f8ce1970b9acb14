#pragma once

#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <array>
#include <memory>

#include "common/user_port.h"
#include "rvxmod/app/command_controls.h"
#include "rvxmod/app/interface_language.h"
#include "rvxmod/app/sound_list.h"
#include "rvxmod/app/widgets/retranslated.h"
#include "rvxmod/shell/access_levels.h"
#include "rvxmod/shell/preferences.h"

namespace rvxmod::app {

class DateTimeDialog;
class NavigationPanel;
class QtUserPort;
class ScrollingStatus;
class TFormAbout;
class TFormConfig;
class TFormMessageWindow;
class TFormProgram;
class TFormSample;
class TFormToolInfo;

// Where the program finds its files: the help file, the sound list and the temporary
// calibration folder live in the start-up directory; the preferences file in the user's
// configuration folder.
struct MainWindowSetup {
    QString startupDirectory;
    QString preferencesPath;
};

// The main window: navigation column, pages, status line, and the state every page shares.
class TForm1 : public Retranslated<QMainWindow> {
    Q_OBJECT
public:
    enum Page { ToolInfo = 0, Config, Sample, About, Program, PageCount };

    explicit TForm1(const MainWindowSetup& setup);
    ~TForm1() override;

    // The same as a click on the page's navigation button.
    void navigate(Page page);
    Page currentPage() const;

    // Enables or disables every command control as one group.
    void EnableButtons(bool on);
    // EnableButtons with the hourglass for the length of a long operation.
    void setBusy(bool busy);
    void setProgress(int value, int maximum);
    void openHelpFile();

    // Switches the interface language the way choosing it in the language box does.
    void changeLanguage(Language language);
    // The choices of the pages as the preferences file keeps them.
    Preferences currentPreferences() const;
    rvx::Status savePreferences() const;

    QString startupDirectory() const { return setup_.startupDirectory; }
    const AccessLevels& accessLevels() const { return access_; }
    CommandControls& commandControls() { return commands_; }
    SoundList& sounds() { return sounds_; }
    rvx::UserPort& userPort();
    TFormMessageWindow& messageWindow() const { return *messages_; }
    DateTimeDialog& dateTimeDialog() const { return *dateTime_; }
    ScrollingStatus& statusLine() const { return *status_; }
    NavigationPanel& navigationPanel(Page page) const { return *navigation_[page]; }
    TFormToolInfo& toolInfoPage() const { return *toolInfo_; }
    TFormConfig& configPage() const { return *config_; }
    TFormSample& samplePage() const { return *sample_; }
    TFormProgram& programPage() const { return *program_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildNavigation(QWidget* column);
    // Buttons and check boxes of the pages click audibly.
    void playClickSoundOnButtonsOf(std::initializer_list<QWidget*> pages);
    void showPage(Page page);
    void reloadSoundList();
    void applyAccessLevels();
    void applyPreferences(const Preferences& preferences);
    void retranslateUi() override;

    MainWindowSetup setup_;
    InterfaceLanguage language_;
    SoundList sounds_;
    CommandControls commands_;
    AccessLevels access_;
    QStackedWidget* pages_;
    TFormToolInfo* toolInfo_;
    TFormConfig* config_;
    TFormSample* sample_;
    TFormAbout* about_;
    TFormProgram* program_;
    std::array<NavigationPanel*, PageCount> navigation_{};
    QProgressBar* progress_;
    ScrollingStatus* status_;
    QPushButton* help_;
    TFormMessageWindow* messages_;
    DateTimeDialog* dateTime_;
    std::unique_ptr<QtUserPort> userPort_;
    int busyDepth_ = 0;
};

}  // namespace rvxmod::app
