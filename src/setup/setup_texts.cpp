#include "setup/setup_texts.h"

namespace vn {

namespace {

struct TypeNames {
    const char* type;
    const char* levels[kLevelCount];
    const char* flows[kFlowCount];
};

constexpr TypeNames kNames[kTypeCount] = {
    {"Educational", {"County", "District", "State"}, {"County <--> State", "County <--> District <--> State"}},
    {"Governmental", {"County", "State", "Federal"}, {"County - Federal", "County - State - Federal"}},
    {"Private Enterprise",
     {"Local Office", "District Office", "Home Office"},
     {"Local - Home", "Local - District - Home"}},
};

constexpr int kPrivateEnterprise = 3;

struct FlowMessage {
    int situation;
    const char* text;
    const char* privateText;  // nullptr: the same for every type
};

constexpr FlowMessage kFlowMessages[] = {
    {1,
     "You have selected County <--> State Data Flow.  If this is not correct please re-select now. If correct "
     "proceed to select the proper County",
     nullptr},
    {2,
     "You have selected County <--> District <--> State Data Flow.  If this is not correct please re-select now. "
     "If correct proceed to select the proper County",
     nullptr},
    {4,
     "You have selected County <--> District <--> State Data Flow.  If this is not correct please re-select now. "
     "If correct proceed to select the proper District",
     nullptr},
    {5,
     "You have selected County <--> State Data Flow.  If this is not correct please re-select now. If correct "
     "click [Save Setup] to complete the setup process.",
     "You have selected Local Office <--> Home Office Data Flow.  If this is not correct please re-select now. If "
     "correct click [Save Setup] to complete the setup process."},
    {6,
     "You have selected County <--> District <--> State Data Flow.  If this is not correct please re-select now. "
     "If correct click [Save Setup] to Complete the setup process.",
     "You have selected Local Office <--> District Office <--> Home Office Data Flow.  If this is not correct "
     "please re-select now. If correct click [Save Setup] to Complete the setup process."},
};

const TypeNames& namesOf(int type) { return kNames[type >= 1 && type <= kTypeCount ? type - 1 : 0]; }

template <size_t N>
QStringList listOf(const char* const (&names)[N]) {
    QStringList list;
    for (const char* name : names) list << QString::fromLatin1(name);
    return list;
}

}  // namespace

QString typeName(int type) {
    return type >= 1 && type <= kTypeCount ? QString::fromLatin1(kNames[type - 1].type) : QString();
}

QStringList levelNames(int type) { return listOf(namesOf(type).levels); }

QStringList flowNames(int type) { return listOf(namesOf(type).flows); }

int situationFor(int level, int flow) {
    // Rows: level 1..3, columns: flow 1..2. A district office always sits in three-level flow.
    constexpr int kSituations[kLevelCount][kFlowCount] = {{1, 2}, {4, 4}, {5, 6}};
    if (level < 1 || level > kLevelCount || flow < 1 || flow > kFlowCount) return 0;
    return kSituations[level - 1][flow - 1];
}

QStringList welcomeLines() {
    return {
        QString(76, QLatin1Char(' ')) + QStringLiteral("Welcome to Varnedo"),
        QString(),
        QStringLiteral("This is the system setup screen.   During this setup, you will choose your Organization Type, "
                       "Operation Level "),
        QStringLiteral("and Data Flow Method.  You will build a list of locations that you will accept data from and "
                       "send data to."),
        QString(),
        QStringLiteral("NOTE:  Setup is a one time operation.   Upon exiting, a password is enabled.  If you have made "
                       "errors or need changes in your"),
        QStringLiteral("setup, you must contact your computer or software support tech to gain access to setup again."),
    };
}

QString typeMessage(int type) {
    return QStringLiteral("You have selected %1 organization.  If this is not correct, please re-select now.  If "
                          "correct, proceed to select the Operation Level.")
        .arg(typeName(type));
}

QString levelMessage(int type, int level) {
    const QStringList names = levelNames(type);
    const QString name = level >= 1 && level <= names.size() ? names.at(level - 1) : QString();
    return QStringLiteral("You have selected %1 level operation.  If this is not correct, please re-select now.  If "
                          "correct, proceed to select the Data Flow Method.")
        .arg(name);
}

QString flowMessage(int type, int situation) {
    for (const FlowMessage& m : kFlowMessages) {
        if (m.situation != situation) continue;
        return QString::fromLatin1(type == kPrivateEnterprise && m.privateText ? m.privateText : m.text);
    }
    return {};
}

QString knownDistrictsTitle(int count) { return QStringLiteral("Known Districts (%1)...").arg(count); }

QString countyCapacityMessage(int capacity) {
    return QStringLiteral("A District can accept data from at most %1 counties.\r\rThis selection is full.  To "
                          "choose another county, first click a county in the right hand box to cancel its "
                          "selection.")
        .arg(capacity);
}

}  // namespace vn
