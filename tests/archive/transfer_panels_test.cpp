// Window 4's exchange file panels on a started county program: choosing lists and offices,
// building the file, receiving files addressed here (the questions, the password, removal), and
// a data file carried by e-mail to a state installation.
#include "archive/ui/archive_window.h"
#include "exchange/transfer/transfer_format.h"
#include "lists/definitions/definition_cache.h"
#include "store/catalogue/slots.h"
#include "store/program_version.h"
#include "store/settings/parameter_reading.h"
#include "support/running_program.h"
#include "support/screen_fit.h"

#include "../platform/mail/mime_reading.h"
#include "../platform/mail/smtp_sink.h"
#include "../requests/ui/window_children.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace vn {

namespace {

const QString kComplete = "File(s) processing complete.";
const QString kOneFile =
    "ONE file processed.  If you selected multiple files for processing, you will have to re-select the files for "
    "processing one at a time due to data file and program information mismatch!";
const QByteArray kKey = "abcwyalb000100000";

QByteArray transferHeader(TransferKind kind, const QByteArray& version = kProgramVersion, const QByteArray& to = "ALB",
                          const QByteArray& lists = "abc") {
    const bool forms = kind == TransferKind::Forms;
    return version + (forms ? " - Form Send Transmission" : " - Data Send Transmission") + "\r\nDestinations: ~" + to + "~\r\n" +
           (forms ? "Data Forms: ~" : "Data Lists: ~") + lists + "~\r\n";
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program whose window 4 is open, as the county office "ALB" or the state office.
struct Office {
    explicit Office(int level) {
        Session& s = *program.session;
        s.identity.operationalLevel = level;
        s.identity.countyCode = level == 1 ? "ALB" : "";
        put(kListSlot, "abc", {{1, "Members"}, {15, "Members of the club"}, {12, "agency@example.org"}});
        put(kListSlot, "def", {{1, "Donors"}});
        reloadListCodes(s);
        QDir().mkpath(exchange());
        program.openWindows({{ArchiveWindow, makeArchiveWindow}});
        program.navigator->gotoWindow(MainWindowNo, ArchiveWindow);
        window = program.windows->window(ArchiveWindow);
    }

    void put(int slot, const QString& key, const std::map<int, QString>& fields) {
        RecordAccess& access = program.session->access;
        access.EnsureRecord(slot, key);
        for (const auto& [field, value] : fields) access.SetFieldText(slot, field, value);
    }
    QString field(int slot, const QString& key, int number) {
        RecordAccess& access = program.session->access;
        return access.FindRecord(slot, key) ? access.GetFieldText(slot, number) : QString("(none)");
    }
    QString exchange() const { return program.session->folders.exchangeFolder(); }
    QString place(const QString& name, const QByteArray& content) const {
        const QString path = QDir(exchange()).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(content);
        return path;
    }

    template <typename T>
    T* find(const QString& name) {
        return test::child<T>(window, name);
    }
    void open(const char* action) { find<QAction>(action)->trigger(); }
    void click(const QString& button) {
        if (!test::clickButton(window, button)) qFatal("%s cannot be clicked", qPrintable(button));
    }
    bool enabled(const QString& button) { return find<QPushButton>(button)->isEnabled(); }

    test::RunningProgram program;
    AppWindow* window = nullptr;
};

}  // namespace

class TransferPanelsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_office.reset(); }
    void everyPanelFitsAndNamesItsControls();
    void sendPanelsChooseAndBuild_data();
    void sendPanelsChooseAndBuild();
    void descriptionShowsTheListsDescription();
    void receivePanelsFindChooseAndMerge_data();
    void receivePanelsFindChooseAndMerge();
    void aListAlreadyPresentAnsweredNoMergesNothingAndKeepsTheFile();
    void anotherVersionsDataFileNeedsThePassword_data();
    void anotherVersionsDataFileNeedsThePassword();
    void aDataFileSentByEmailIsReceivedByTheState();

private:
    Office& county() { return *m_office; }

    std::unique_ptr<Office> m_office;
};

void TransferPanelsTest::init() {
    m_office = std::make_unique<Office>(1);
    QVERIFY(county().program.started);
    QVERIFY(QTest::qWaitForWindowExposed(county().window));
}

void TransferPanelsTest::everyPanelFitsAndNamesItsControls() {
    county().place("bigdata.vnd", transferHeader(TransferKind::Data));
    county().place("bigform.vnf", transferHeader(TransferKind::Forms));
    for (const char* action : {"actionSendForm", "actionSendData", "actionReceiveForm", "actionReceiveData"}) {
        county().open(action);
        QCOMPARE(test::unnamedControls(county().window), QStringList());
        test::verifyFitsSmallScreen(*county().window, QString("transfer-") + action);
        test::keepScreenshot(*county().window, QString("transfer-") + action);
    }
}

void TransferPanelsTest::sendPanelsChooseAndBuild_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("build");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("created");
    QTest::newRow("forms") << "actionSendForm" << "sendForm" << "Build Form Send File" << "albform.vnf"
                           << "The Form exchange file(s) were successfully created.";
    QTest::newRow("data") << "actionSendData" << "sendData" << "Build Now" << "albdata.vnd"
                          << "The Data Send file was successfully created.";
}

void TransferPanelsTest::sendPanelsChooseAndBuild() {
    QFETCH(QString, action);
    QFETCH(QString, panel);
    QFETCH(QString, build);
    QFETCH(QString, file);
    QFETCH(QString, created);
    Office& o = county();
    o.put(kHeadSlot, kKey, {{4, "Smith"}});
    o.open(qPrintable(action));
    auto* lists = o.find<QListWidget>(panel + "ListsList");
    auto* offices = o.find<QListWidget>(panel + "DestinationsList");
    QCOMPARE(lists->count(), 2);
    QCOMPARE(lists->item(0)->text(), "abc  Members");
    QCOMPARE(offices->item(0)->text(), "ALB  Albany");
    QCOMPARE(offices->item(offices->count() - 1)->text(), "WY_  Wyoming");
    QCOMPARE(o.find<QPushButton>(panel + "BuildButton")->text(), build);
    auto* mail = o.find<QPushButton>(panel + "EmailButton");
    QVERIFY(!mail->isEnabled());
    QCOMPARE(mail->toolTip(), "Build the file first.");

    // Building needs a list and an office.
    const QString buildButton = panel + "BuildButton";
    test::clickRow(lists, 0);
    QVERIFY(!o.enabled(buildButton));
    o.click(panel + "DestinationsAllButton");
    QVERIFY(o.enabled(buildButton));
    o.click(panel + "ListsNoneButton");
    QVERIFY(!o.enabled(buildButton) && lists->selectedItems().isEmpty());
    o.click(panel + "ListsAllButton");
    QCOMPARE(lists->selectedItems().size(), 2);
    o.click(panel + "DestinationsNoneButton");
    QVERIFY(!o.enabled(buildButton));
    test::clickRow(offices, offices->count() - 1);
    QVERIFY(o.enabled(buildButton));

    o.click(buildButton);
    const QString path = QDir(o.exchange()).filePath(file);
    const QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.value(1), "Destinations: ~WY_~\r");
    QVERIFY(lines.value(2).endsWith(": ~abc~def~\r"));
    QCOMPARE(o.program.prompter.texts(), QStringList{created});
    QVERIFY(!mail->isEnabled());  // e-mail is not set up
    QCOMPARE(mail->toolTip(), "Enter the sender, the mail server and the Varnedo send-to address in Setup Email first.");
    if (panel == "sendData") {
        const QString stored = readParameter(o.program.session->access, "TransferDate").value;
        QVERIFY(!stored.isEmpty());
        QCOMPARE(o.find<QLabel>("sendDataTransferDateLabel")->text(), stored);
    }

    // Building again asks first; No keeps the file as it was.
    const QByteArray before = readAll(path);
    o.put(kHeadSlot, kKey, {{4, "Jones"}});
    o.program.prompter.messages.clear();
    o.program.prompter.answers = {Answer::No};
    o.click(buildButton);
    QVERIFY(o.program.prompter.texts().value(0).startsWith("The data transfer file [" + QDir::toNativeSeparators(path) + "] already exists!"));
    QCOMPARE(readAll(path), before);
}

void TransferPanelsTest::descriptionShowsTheListsDescription() {
    Office& o = county();
    o.open("actionSendForm");
    auto* lists = o.find<QListWidget>("sendFormListsList");
    auto* description = o.find<QLabel>("sendFormDescriptionLabel");
    QTest::mouseMove(lists->viewport(), lists->visualItemRect(lists->item(0)).center());
    QTRY_COMPARE(description->text(), "Members of the club");  // not the agency's address
    test::clickRow(lists, 1);
    QCOMPARE(description->text(), "");
    QCOMPARE(lists->selectedItems().size(), 1);
}

void TransferPanelsTest::receivePanelsFindChooseAndMerge_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("records");
    QTest::newRow("forms") << "actionReceiveForm" << "receiveForm" << int(TransferKind::Forms) << "bigform.vnf"
                           << QByteArray("8~xyz~Visitors~\r\n12~abc001~Say hello~\r\n");
    QTest::newRow("data") << "actionReceiveData" << "receiveData" << int(TransferKind::Data) << "bigdata.vnd"
                          << QByteArray("11~abcwyalb000100000~Mrs~Ann~\r\n");
}

void TransferPanelsTest::receivePanelsFindChooseAndMerge() {
    QFETCH(QString, action);
    QFETCH(QString, panel);
    QFETCH(int, kind);
    QFETCH(QString, file);
    QFETCH(QByteArray, records);
    Office& o = county();
    Session& s = *o.program.session;
    const auto k = TransferKind(kind);
    const QString path = o.place(file, transferHeader(k, kProgramVersion, "ALB", "abc~xyz") + records);
    o.place("ced" + file.mid(3), transferHeader(k, kProgramVersion, "NED"));  // for another office
    o.place("big" + file.mid(3, 4) + "s" + file.mid(7), transferHeader(k));    // 12 characters
    s.currentListCode = "abc";
    s.definitions = std::make_shared<const DefinitionCache>(LoadDefinitions(s.access, "abc"));
    const DefinitionCache* before = s.definitions.get();

    o.open(qPrintable(action));
    QCOMPARE(o.find<QLabel>(panel + "CountLabel")->text(), "1");
    auto* files = o.find<QListWidget>(panel + "FilesList");
    QCOMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), file + "   (from Big Horn)");
    if (panel == "receiveForm")
        QCOMPARE(o.find<QLabel>("receiveFormFilesCaption")->text(),
                 "Received Form Files...  (" + QDir::toNativeSeparators(o.exchange()) + ")");

    // Processing needs a file and an answer to the removal question.
    const QString process = panel + "ProcessButton";
    QVERIFY(!o.enabled(process));
    test::clickRow(files, 0);
    QVERIFY(!o.enabled(process));
    o.find<QRadioButton>(panel + "RemoveYesRadio")->click();
    QVERIFY(o.enabled(process));
    o.click(panel + "FilesNoneButton");
    QVERIFY(!o.enabled(process));
    o.click(panel + "FilesAllButton");
    o.click(process);

    QCOMPARE(o.program.prompter.texts(), QStringList{kComplete});
    QVERIFY(!QFile::exists(path));
    QCOMPARE(o.find<QLabel>(panel + "CountLabel")->text(), "0");
    QVERIFY(!o.enabled(process));
    QCOMPARE(o.find<QLabel>(panel + "FirstLineLabel")->text(), QString(kProgramVersion) + (k == TransferKind::Forms ? " - Form Send Transmission" : " - Data Send Transmission"));
    QVERIFY(s.definitions.get() != before);  // the current list was touched
    if (k == TransferKind::Forms) {
        QVERIFY(s.listCodes.contains("xyz"));  // offered at once
        QCOMPARE(o.field(kHelpSlot, "abc001", 1), "Say hello");
    } else {
        QCOMPARE(o.field(kHeadSlot, kKey, 2), "Ann");
    }
}

void TransferPanelsTest::aListAlreadyPresentAnsweredNoMergesNothingAndKeepsTheFile() {
    Office& o = county();
    const QString path = o.place("bigform.vnf", transferHeader(TransferKind::Forms, kProgramVersion, "ALB", "abc~xyz") +
                                                    "8~xyz~Visitors~\r\n8~abc~Members again~\r\n");
    o.open("actionReceiveForm");
    o.click("receiveFormFilesAllButton");
    o.find<QRadioButton>("receiveFormRemoveYesRadio")->click();
    o.program.prompter.answers = {Answer::No};
    o.click("receiveFormProcessButton");
    QCOMPARE(o.program.prompter.texts().size(), 1);
    QVERIFY(o.program.prompter.texts().value(0).startsWith("This form (or one using the same three letter code) is already present!"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(o.field(kListSlot, "abc", 1), "Members");
    QCOMPARE(o.field(kListSlot, "xyz", 1), "(none)");
    QCOMPARE(o.find<QListWidget>("receiveFormFilesList")->count(), 1);
}

void TransferPanelsTest::anotherVersionsDataFileNeedsThePassword_data() {
    QTest::addColumn<bool>("goOn");  // the answer to the version warning
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("merged");
    QTest::newRow("warning declined") << false << QStringList() << false;
    QTest::newRow("three wrong passwords") << true << QStringList{"a", "b", "c"} << false;
    QTest::newRow("password at the second entry") << true << QStringList{"wrong", "TARNWISPLE"} << true;
}

void TransferPanelsTest::anotherVersionsDataFileNeedsThePassword() {
    QFETCH(bool, goOn);
    QFETCH(QStringList, entries);
    QFETCH(bool, merged);
    Office& o = county();
    const QString path = o.place("bigdata.vnd", transferHeader(TransferKind::Data, "05-100") + "11~" + kKey + "~Mrs~Ann~\r\n");
    o.open("actionReceiveData");
    o.click("receiveDataFilesAllButton");
    o.find<QRadioButton>("receiveDataRemoveYesRadio")->click();
    o.program.prompter.answers = {goOn ? Answer::Ok : Answer::No};
    int prompts = 0;
    int typed = 0;
    QTimer typist;  // types one entry whenever the prompt waits for one
    connect(&typist, &QTimer::timeout, this, [&] {
        auto* dialog = o.window->findChild<QDialog*>("passwordDialog");
        if (!dialog || !dialog->isVisible() || typed == entries.size()) return;
        if (typed == 0) ++prompts;
        auto* field = dialog->findChild<QLineEdit*>("passwordEdit");
        QTest::keyClicks(field, entries.at(typed++));
        QTest::keyClick(field, Qt::Key_Return);
    });
    typist.start(0);
    o.click("receiveDataProcessButton");
    typist.stop();

    QCOMPARE(prompts, entries.isEmpty() ? 0 : 1);
    QCOMPARE(typed, entries.size());
    const QStringList texts = o.program.prompter.texts();
    QVERIFY(texts.value(0).startsWith("The received file data information does not match the current program settings."));
    QVERIFY(texts.value(0).contains("Version [05-100]"));
    QCOMPARE(texts.mid(1), merged ? QStringList{kOneFile} : QStringList());  // never the completion message
    QCOMPARE(QFile::exists(path), !merged);
    QCOMPARE(o.field(kHeadSlot, kKey, 2), merged ? "Ann" : "(none)");
}

// The county builds its data file and mails it; the state saves the attachment into its exchange
// folder and receives the same rows.
void TransferPanelsTest::aDataFileSentByEmailIsReceivedByTheState() {
    test::SmtpSink sink;
    QVERIFY(sink.started());
    Office& o = county();
    o.put(kHeadSlot, kKey, {{1, "Mrs"}, {2, "Ann"}, {4, "Smith"}});
    o.put(kPag1Slot, kKey, {{121, "first line\r\nsecond line"}});
    Session& s = *o.program.session;
    s.settings.mail = {2, "alb@example.org", {}, sink.server(), "example.org", {}, {}, "state@example.org"};
    o.open("actionSendData");
    test::clickRow(o.find<QListWidget>("sendDataListsList"), 0);
    o.click("sendDataDestinationsAllButton");
    o.click("sendDataBuildButton");
    auto* mail = o.find<QPushButton>("sendDataEmailButton");
    QVERIFY(mail->isEnabled());
    QCOMPARE(mail->toolTip(), "Sends the file to state@example.org.");
    o.program.prompter.messages.clear();
    o.click("sendDataEmailButton");
    QTRY_COMPARE_WITH_TIMEOUT(o.program.prompter.messages.size(), 1, 20000);
    QCOMPARE(o.program.prompter.texts(), QStringList{"The file albdata.vnd was sent to state@example.org."});

    QCOMPARE(sink.count(), 1);
    const test::ReadMessage message = test::readMessage(sink.data(1));
    QCOMPARE(message.parts.size(), 2);
    const QByteArray sent = readAll(QDir(o.exchange()).filePath("albdata.vnd"));
    const QByteArray attached = QByteArray::fromBase64(message.parts[1].body);
    QCOMPARE(attached, sent);
    const QString name = test::headerParameter(message.parts[1].headers.value("content-disposition"), "filename");
    QCOMPARE(name, "albdata.vnd");

    Office state(3);
    QVERIFY(state.program.started);
    state.place(name, attached);
    state.open("actionReceiveData");
    QCOMPARE(state.find<QListWidget>("receiveDataFilesList")->item(0)->text(), "albdata.vnd   (from Albany)");
    state.click("receiveDataFilesAllButton");
    state.find<QRadioButton>("receiveDataRemoveNoRadio")->click();
    state.click("receiveDataProcessButton");
    QCOMPARE(state.program.prompter.texts(), QStringList{kComplete});
    for (int f : {1, 2, 4}) QCOMPARE(state.field(kHeadSlot, kKey, f), o.field(kHeadSlot, kKey, f));
    QCOMPARE(state.field(kPag1Slot, kKey, 121), "first line\r\nsecond line");
}

}  // namespace vn

QTEST_MAIN(vn::TransferPanelsTest)
#include "transfer_panels_test.moc"
