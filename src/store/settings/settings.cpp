#include "store/settings/settings.h"

#include "store/access/record_access.h"
#include "store/engine/database.h"
#include "store/settings/parameter_reading.h"
#include "store/settings/settings_slots.h"

namespace vn {

namespace {

constexpr int kCountyLevel = 1;
constexpr int kDistrictLevel = 2;

class Reader {
public:
    Reader(RecordAccess& access, const SettingFacts& facts) : m_access(access), m_facts(facts) {}

    ParameterRead read(const QString& key) { return readParameter(m_access, key, m_facts); }
    QString text(const QString& key) { return read(key).value; }
    int number(const QString& key) { return readParameterInt(m_access, key, m_facts); }
    bool flag(const QString& key) { return isTrue(text(key)); }
    static bool isTrue(const QString& value) { return value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0; }
    void write(const QString& key, const QString& value) { writeParameterValue(m_access, key, value, m_facts); }

private:
    RecordAccess& m_access;
    const SettingFacts& m_facts;
};

void readOrganisation(Reader& r, Settings& s) {
    s.organisationType = r.number("OType");
    s.operationalLevel = r.number("OpLevel");
    s.userSituation = r.number("UserSituation");
    s.dataFlow = r.number("DataFlow");
    if (s.operationalLevel == kCountyLevel) s.countyInfo = r.text("CountyInfo");
    if (s.operationalLevel == kCountyLevel || s.operationalLevel == kDistrictLevel)
        s.districtInfo = r.text("DistrictInfo");
    const QString institution = r.text("Institution");
    s.institution = institution.isEmpty() ? 0 : qMax(0, institution.front().digitValue());
}

void readStartCounters(RecordAccess& access, Reader& r, Settings& s, const SettingFacts& facts) {
    s.versionNumber = facts.programVersion;
    r.write("VersionNumber", s.versionNumber);
    r.read("AccessCount");
    s.accessCount = qint64(access.GetFieldInt(kParmSlot, kParmValue)) + 1;
    access.SetFieldInt(kParmSlot, kParmValue, s.accessCount);
}

void readMenuImages(Reader& r, Settings& s) {
    s.menuImages = r.flag("MenuImages");
    if (!s.menuImages) return;
    for (int n = 1; n <= kMenuImageCount; ++n)
        s.menuImageNames << r.text(QStringLiteral("M%1").arg(n)).left(kMenuImageNameLength);
}

void readMail(Reader& r, MailSettings& m) {
    m.method = r.number("EMethod");
    m.sender = r.text("ESender");
    m.user = r.text("EUser");
    m.server = r.text("EServer");
    m.domain = r.text("EDomain");
    m.password = r.text("EPassword");
    m.ispPhone = r.text("EISPPhone");
    m.sendTo = r.text("ESendTo");
}

void readHelp(RecordAccess& access, Reader& r, Settings& s) {
    // A setting created just now leaves the agent off until the next start.
    const ParameterRead agentHelp = r.read("AgentHelp");
    s.agentHelp = !agentHelp.created && Reader::isTrue(agentHelp.value);
    const ParameterRead agentNumber = r.read("AgentNumber");
    s.agentNumber = agentNumber.created ? 0 : access.GetFieldInt(kParmSlot, kParmValue);
    s.helpWrite = r.flag("HelpWrite");
}

void readPrinting(RecordAccess& access, Reader& r, Settings& s, const SettingFacts& facts) {
    s.masterPrinter = r.text("MasterPrinter");
    s.masterFont = r.text("MasterFont");
    if (access.FindRecord(kParmSlot, QStringLiteral("DefaultPrinter"))) {
        access.SetFieldText(kParmSlot, kParmValue, facts.printer.name);
        access.SetFieldInt(kParmSlot, kParmCount, facts.printer.index);
    } else {
        r.read("DefaultPrinter");
    }
    s.defaultPrinter = access.GetFieldText(kParmSlot, kParmValue);
    s.printerIndex = access.GetFieldInt(kParmSlot, kParmCount);
}

void readFilesAndDrives(Reader& r, Settings& s) {
    s.multimachine = r.flag("Multimachine");
    s.dataReadOnly = r.flag("Datareadonly");
    s.zipDrive = r.text("ZipDrive");
    s.backDrive = r.text("BackDrive");
    s.floppyDrive = r.text("FloppyDrive");
    s.wordProcessor = r.text("WordProcessor");
    s.backupDate = r.text("BackUpDate");
    s.webHost = r.text("WebHost");
}

}  // namespace

Settings readSettings(RecordAccess& access, const SettingFacts& facts) {
    // The start's writes (count, version, printer, new rows) land together or not at all.
    Transaction transaction(access.database(kParmSlot));
    Reader r(access, facts);
    Settings s;
    readStartCounters(access, r, s, facts);
    readOrganisation(r, s);
    readFilesAndDrives(r, s);
    readMenuImages(r, s);
    readMail(r, s.mail);
    readHelp(access, r, s);
    readPrinting(access, r, s, facts);
    transaction.commit();
    return s;
}

}  // namespace vn
