#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <thread>

#include "rvxmod/app/bgr_colour.h"
#include "rvxmod/app/help_file.h"
#include "rvxmod/app/main_window.h"
#include "rvxmod/app/navigation_panel.h"
#include "rvxmod/app/pages/config/other_options.h"
#include "rvxmod/app/pages/config_page.h"
#include "rvxmod/app/pages/sample_page.h"
#include "rvxmod/app/pages/tool_info_page.h"
#include "rvxmod/app/scrolling_status.h"
#include "rvxmod/app/widgets/radio_group.h"
#include "rvxmod/shell/preferences.h"

namespace rvxmod::app {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    // A start-up directory of its own per test, so nothing touches the user's files.
    struct Started {
        std::unique_ptr<QTemporaryDir> folder = std::make_unique<QTemporaryDir>();
        std::unique_ptr<TForm1> window;

        QString preferencesPath() const { return folder->filePath("QZ_RVXMod.ini"); }
        template <class W>
        W* child(const char* name) const {
            return window->findChild<W*>(QLatin1String(name));
        }
    };

    static void writeFile(const QString& path, const QByteArray& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    static void start(Started& started, bool withSoundList, const QByteArray& preferences = {}) {
        if (withSoundList)
            writeFile(started.folder->filePath("RVXWaveList.wvl"), "click.wav\r\n\r\nmsg.wav\r\n");
        if (!preferences.isEmpty()) writeFile(started.preferencesPath(), preferences);
        started.window = std::make_unique<TForm1>(
            MainWindowSetup{started.folder->path(), started.preferencesPath()});
    }

    static Preferences closeAndReadPreferences(Started& started) {
        started.window->close();
        return loadPreferences(started.preferencesPath().toStdString());
    }

    static void chooseItem(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    static void verifyNavigationShows(const TForm1& window, TForm1::Page page) {
        QCOMPARE(window.currentPage(), page);
        for (int other = 0; other < TForm1::PageCount; ++other) {
            const NavigationPanel& panel = window.navigationPanel(TForm1::Page(other));
            QCOMPARE(panel.palette().color(QPalette::Window),
                     bgrColour(other == page ? kActivePanelColour : kInactivePanelColour));
            QCOMPARE(panel.label()->palette().color(QPalette::WindowText),
                     bgrColour(kNavigationLabelColour));
        }
    }

private Q_SLOTS:
    void bgrColoursPutRedInTheLowestByte() {
        QCOMPARE(bgrColour(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(bgrColour(kActivePanelColour), QColor(0xE6, 0xE7, 0xD3));
    }

    void clickOnLabelActsAsClickOnButton() {
        Started started;
        start(started, true);
        TForm1& window = *started.window;
        QCOMPARE(window.currentPage(), TForm1::ToolInfo);
        QSignalSpy played(&window.sounds(), &SoundList::played);
        for (int page : {TForm1::Config, TForm1::Sample, TForm1::About, TForm1::Program}) {
            window.navigate(TForm1::ToolInfo);
            played.clear();
            QTest::mouseClick(window.navigationPanel(TForm1::Page(page)).label(), Qt::LeftButton);
            verifyNavigationShows(window, TForm1::Page(page));
            QCOMPARE(played.count(), 1);
            QCOMPARE(played.takeFirst().at(0).toInt(), int(SoundItem::PageSwitch));

            window.navigate(TForm1::ToolInfo);
            played.clear();
            window.navigationPanel(TForm1::Page(page)).button()->click();
            verifyNavigationShows(window, TForm1::Page(page));
            QCOMPARE(played.count(), 1);
        }
    }

    void enableButtonsTogglesEveryListedControl() {
        Started started;
        start(started, true);
        TForm1& window = *started.window;
        const struct {
            QWidget* page;
            std::vector<const char*> names;
        } listed[] = {
            {&window.configPage(),
             {"ButtonFormat",          "ButtonReadLine",       "ButtonReadBlock",
              "ButtonCalFiles",        "ButtonBBTable",        "ButtonClear",
              "ButtonSerialNumber",    "ButtonSaveCalDate",    "RadioGroupCalLocation",
              "RadioGroupTimeFormat",  "RadioGroupFileFormat", "RadioGroupCalcMethod",
              "ComboBoxTempUnits",     "ComboBoxPressUnits",   "ComboBoxSpinUnits",
              "EditAtmosphere",        "CheckBoxFilterNone",   "CheckBoxFilterMins",
              "SpinEditFilterMinutes", "ComboBoxLanguage"}},
            {&window.toolInfoPage(),
             {"EditComDevice", "ButtonConnectRVX", "buttonDownload", "CheckBoxDownloadAllJobs",
              "ButtonEraseAllJobs"}},
            {&window.samplePage(), {"RadioGroupLogSamples", "RadioGroupRealOrRaw"}},
        };
        std::size_t count = 0;
        for (bool on : {false, true}) {
            started.window->userPort().setCommandsEnabled(on);
            QCOMPARE(QApplication::overrideCursor() != nullptr, !on);
            count = 0;
            for (const auto& page : listed)
                for (const char* name : page.names) {
                    QWidget* control = page.page->findChild<QWidget*>(QLatin1String(name));
                    QVERIFY2(control, name);
                    QVERIFY2(control->isEnabled() == on, name);
                    ++count;
                }
        }
        QCOMPARE(window.commandControls().widgets().size(), count);
    }

    void firstRunStartsWithDefaultsAndClosingSavesThem() {
        Started started;
        start(started, true);
        QCOMPARE(started.child<RadioGroup>("RadioGroupComPort")->index(), 0);
        QCOMPARE(started.child<RadioGroup>("RadioGroupFileFormat")->index(), 0);
        QCOMPARE(started.child<RadioGroup>("RadioGroupTimeFormat")->index(), 0);
        QCOMPARE(started.child<RadioGroup>("RadioGroupCalLocation")->index(), 0);
        QCOMPARE(started.child<RadioGroup>("RadioGroupCalcMethod")->index(), 0);
        QCOMPARE(started.child<QComboBox>("ComboBoxPressUnits")->currentText(), QString("psiA"));
        QCOMPARE(started.child<QComboBox>("ComboBoxTempUnits")->currentText(), QString("DegC"));
        QCOMPARE(started.child<QComboBox>("ComboBoxSpinUnits")->currentText(), QString("Revs/Sec"));
        QCOMPARE(started.child<QComboBox>("ComboBoxLanguage")->currentText(), QString("English"));
        QCOMPARE(started.child<QLineEdit>("EditAtmosphere")->text(), QString("14.30"));
        QVERIFY(started.window->sounds().switches().effectsOn);
        QVERIFY(started.window->sounds().switches().voiceOn);
        QCOMPARE(started.child<RadioGroup>("RadioGroupLogSamples")->index(), 1);
        QCOMPARE(started.child<RadioGroup>("RadioGroupRealOrRaw")->index(), 1);
        QVERIFY(!QFile::exists(started.preferencesPath()));

        QDir(started.folder->path()).mkpath("TempCalFiles/sub");
        QCOMPARE(closeAndReadPreferences(started), Preferences{});
        QVERIFY2(!QDir(started.folder->filePath("TempCalFiles")).exists(), "removed at close");
    }

    void atmosphereFollowsThePressureUnitAndIsSavedInPsi() {
        Started started;
        start(started, true);
        auto* units = started.child<QComboBox>("ComboBoxPressUnits");
        auto* atmosphere = started.child<QLineEdit>("EditAtmosphere");
        chooseItem(units, 2);  // kPaA
        QCOMPARE(atmosphere->text(), QString("98.60"));
        chooseItem(units, 0);  // psiA
        QCOMPARE(atmosphere->text(), QString("14.30"));
        chooseItem(units, 2);
        const Preferences saved = closeAndReadPreferences(started);
        QCOMPARE(saved.pUnits, 2);
        QVERIFY(qAbs(saved.atmospherePsi - 14.3) < 0.001);
    }

    void atmosphereFromTheFileIsShownInTheSavedUnit() {
        Started started;
        start(started, true, "[RVXMod_Preferences]\r\nPUnits=3\r\nAtmosphere=14,7\r\n");
        QCOMPARE(started.child<QLineEdit>("EditAtmosphere")->text(), QString("101.35"));
    }

    void exactlyOneTimeFilterBoxIsChecked() {
        Started started;
        start(started, true);
        auto* none = started.child<QCheckBox>("CheckBoxFilterNone");
        auto* mins = started.child<QCheckBox>("CheckBoxFilterMins");
        const struct {
            QCheckBox* clicked;
            bool noneAfter;
        } steps[] = {{mins, false}, {mins, false}, {none, true}, {none, true}, {mins, false}};
        QSignalSpy played(&started.window->sounds(), &SoundList::played);
        for (const auto& step : steps) {
            step.clicked->click();
            QCOMPARE(played.takeFirst().at(0).toInt(), int(SoundItem::Click));
            QCOMPARE(none->isChecked(), step.noneAfter);
            QCOMPARE(mins->isChecked(), !step.noneAfter);
        }
    }

    void withoutSoundListTheSwitchesStayOffButPreferencesSurvive() {
        Started started;
        start(started, false, "[RVXMod_Preferences]\r\nSoundFX=0\r\nVoiceNotify=1\r\n");
        auto* effects = started.child<RadioGroup>("RadioGroupSoundFX");
        auto* voice = started.child<RadioGroup>("RadioGroupVoiceNotify");
        QVERIFY(!effects->isEnabled());
        QVERIFY(!voice->isEnabled());
        QVERIFY(!started.window->sounds().switches().effectsOn);
        QSignalSpy played(&started.window->sounds(), &SoundList::played);
        started.window->navigate(TForm1::Config);
        QCOMPARE(played.count(), 0);

        const Preferences saved = closeAndReadPreferences(started);
        QCOMPARE(saved.soundFX, 0);
        QCOMPARE(saved.voiceNotify, 1);

        started.window->configPage().otherOptions().chooseSoundEffects(kSwitchOnIndex);
        QCOMPARE(effects->index(), kSwitchOffIndex);
        QVERIFY(!effects->isEnabled());
        QVERIFY(!started.window->sounds().switches().effectsOn);
    }

    void languageSwitchKeepsThePageAndThePreferences() {
        Started started;
        start(started, true,
              "[RVXMod_Preferences]\r\nFileFormat=2\r\nPUnits=4\r\nTimeFilterValue=30\r\n");
        TForm1& window = *started.window;
        window.navigate(TForm1::Config);
        const QString englishLabel = window.navigationPanel(TForm1::Config).label()->text();

        window.changeLanguage(Language::Spanish);
        QCOMPARE(window.currentPage(), TForm1::Config);
        QVERIFY(window.navigationPanel(TForm1::Config).label()->text() != englishLabel);
        QCOMPARE(window.windowTitle(), QString("RVXMod 1.25"));
        QCOMPARE(window.size(), QSize(655, 528));
        auto* voice = started.child<RadioGroup>("RadioGroupVoiceNotify");
        QCOMPARE(voice->index(), kSwitchOffIndex);
        QVERIFY(!voice->isEnabled());
        QCOMPARE(loadPreferences(started.preferencesPath().toStdString()).language, 1);

        window.changeLanguage(Language::English);
        QCOMPARE(window.currentPage(), TForm1::Config);
        QCOMPARE(window.navigationPanel(TForm1::Config).label()->text(), englishLabel);
        QCOMPARE(voice->index(), kSwitchOnIndex);
        const Preferences saved = closeAndReadPreferences(started);
        QCOMPARE(saved.fileFormat, 2);
        QCOMPARE(saved.pUnits, 4);
        QCOMPARE(saved.timeFilterValue, 30);
        QCOMPARE(saved.language, 0);
        QCOMPARE(saved.voiceNotify, 0);
    }

    void keyChordTogglesTheExtraSupervisorLevel() {
        Started started;
        start(started, true);
        auto* saveCalDate = started.child<QPushButton>("ButtonSaveCalDate");
        QVERIFY(saveCalDate->isHidden());
        const auto chord = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
        QTest::keyClick(started.child<QLineEdit>("EditAtmosphere"), Qt::Key_S, chord);
        QVERIFY(!saveCalDate->isHidden());
        QVERIFY2(!closeAndReadPreferences(started).extraSupervisor,
                 "a level switched on by the chord does not survive a restart");
    }

    void extraLevelFromTheFileSurvivesUntilSwitchedOff() {
        Started started;
        start(started, true, "[RVXMod_Preferences]\r\nGraph=S\r\n");
        QVERIFY(!started.child<QPushButton>("ButtonSaveCalDate")->isHidden());
        QVERIFY(closeAndReadPreferences(started).extraSupervisor);

        const auto chord = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
        QTest::keyClick(started.window.get(), Qt::Key_S, chord);
        QVERIFY(started.child<QPushButton>("ButtonSaveCalDate")->isHidden());
        QVERIFY(!closeAndReadPreferences(started).extraSupervisor);
    }

    void missingHelpFileGivesTheErrorText() {
        QTemporaryDir folder;
        const rvx::Status opened = openHelpFile(folder.path());
        QVERIFY(!opened.ok());
        QCOMPARE(QString::fromStdString(opened.error().message),
                 "Error: " + QDir::toNativeSeparators(folder.filePath("RVXModHelp.pdf")) +
                     " : File not found");
    }

    void userPortCallsFromAWorkerThreadRunOnTheWindowThread() {
        Started started;
        start(started, true);
        std::thread worker([&] { started.window->userPort().setStatus("Connecting to tool..."); });
        QTRY_COMPARE(started.window->statusLine().text(), QString("Connecting to tool..."));
        worker.join();
        QVERIFY(started.window->statusLine().isRunning());
        started.window->userPort().setStatus("");
        QVERIFY(!started.window->statusLine().isRunning());
    }
};

}  // namespace rvxmod::app

QTEST_MAIN(rvxmod::app::MainWindowTest)
#include "main_window_test.moc"
