#include "lists/siblings/sibling_sources.h"

#include "platform/path_resolver.h"

namespace vn {

namespace {

constexpr SiblingProductInfo kProducts[kSiblingProductCount] = {
    {"Grovanta", "Grovanta!.loc", "Grovanta!"},
    {"Pavilo", "Pavilo.loc", "Pavilo!"},
    {"KOVRA", "Kovra.loc", "KOVRA"},
};

// The named fields of each source's table after its key, in field order (field 1 first).
QStringList fieldNames(int number) {
    static const QStringList person = {"Last", "First", "M.I.", "Address 2", "Address 1", "State", "Zip",
                                       "Home Phone", "Work Phone", "City", "County", "Club"};
    switch (number) {
    case 1:
        return person + QStringList{"Birth Date", "Gender", "Grade", "School", "Years", "Parent Last",
                                    "Parent First", "Joined", "Status", "Project 1", "Project 2", "Email"};
    case 2: return person + QStringList{"Role", "Years", "Gender", "Joined", "Status", "Training", "Email"};
    case 3: return {"Contact", "Address", "City", "State", "Zip", "Group Name", "Meeting Place", "Meeting Day"};
    case 4: return {"Camp Name", "Location", "Start Date", "End Date", "Fee", "Director"};
    case 5:
        return {"Last", "First", "M.I.", "Home Phone", "Work Phone", "Email", "Club",
                "County", "City", "Address 2", "Address 1", "State", "Zip"};
    case 6: return {"Item", "Exhibitor", "Class", "Department", "Placing", "Premium"};
    case 7: return {"Last", "First", "Title", "Phone", "Email"};
    case 8: return {"Program", "Category", "Start Date", "End Date", "Leader"};
    }
    return {};
}

int fieldSize(const QString& name) {
    if (name == QLatin1String("Email")) return 60;
    if (name == QLatin1String("Address 1") || name == QLatin1String("Address 2")) return 40;
    if (name == QLatin1String("M.I.") || name == QLatin1String("Gender")) return 1;
    if (name == QLatin1String("State")) return 2;
    if (name == QLatin1String("Zip")) return 10;
    if (name.endsWith(QLatin1String("Phone"))) return 14;
    if (name.endsWith(QLatin1String("Date")) || name == QLatin1String("Joined")) return 10;
    if (name == QLatin1String("Item") || name == QLatin1String("Group Name") || name == QLatin1String("Program"))
        return 100;  // wider than a page text field: offered at that field's width
    return 30;
}

}  // namespace

const SiblingProductInfo& siblingProduct(SiblingProduct product) { return kProducts[int(product)]; }

const std::array<SiblingSource, 8>& siblingSources() {
    using P = SiblingProduct;
    static const std::array<SiblingSource, 8> sources = {{
        {1, P::Grovanta, "Memb", 7, "Members", "Grovanta Member Fields", "Grovanta Member Records", "Members", {1, 2}},
        {2, P::Grovanta, "Lead", 7, "Leaders", "Grovanta Leader Fields", "Grovanta Leader Fields", "Leaders", {1, 2}},
        {3, P::Grovanta, "Grou", 7, "Groups", "Grovanta Group Fields", "Grovanta Group Fields", "Groups", {6}},
        {4, P::Grovanta, "Camp", 8, "Camping", "Grovanta Camping Fields", "Grovanta Camping Fields", "Camping", {1}},
        {5, P::Pavilo, "Exhi", 7, "Exhibitors", "Pavilo Exhibitor Fields", "Pavilo Exhibitor Fields", "Exhibitors", {1, 2}},
        {6, P::Pavilo, "Item", 7, "Items", "Pavilo Item Fields", "Pavilo Item Fields", "Items", {1}},
        {7, P::Kovra, "User", 3, "Users", "KOVRA User Fields", "KOVRA Staff Fields", "Users", {1, 2}},
        {8, P::Kovra, "Prog", 3, "Programs", "KOVRA Program Fields", "KOVRA Program Fields", "Programs", {1}},
    }};
    return sources;
}

const SiblingSource* siblingSource(int number) {
    if (number < 1 || number > int(siblingSources().size())) return nullptr;
    return &siblingSources()[std::size_t(number - 1)];
}

TableDef siblingTableDef(const SiblingSource& source) {
    TableDef def{QString::fromLatin1(source.table), {textField(QStringLiteral("Key"), source.keyWidth)}, {}};
    for (const QString& name : fieldNames(source.number)) def.fields.append(textField(name, fieldSize(name)));
    return def;
}

QString siblingDataFolder(const QString& productBase, const QString& stateCode, SiblingProduct product) {
    return resolvePath(productBase, QString::fromLatin1(siblingProduct(product).folder) + '/' + stateCode);
}

QString siblingTableFile(const QString& productBase, const QString& stateCode, const SiblingSource& source,
                         int dataSet) {
    const QString name = QString::fromLatin1(source.table) + QString::number(dataSet < 1 ? 1 : dataSet) + ".db";
    return resolvePath(siblingDataFolder(productBase, stateCode, source.product), name);
}

QList<std::pair<int, int>> headerLinkMap(int kind) {
    using namespace head_field;
    switch (kind) {
    case 1:
        return {{kFirst, 2}, {kMiddle, 3}, {kLast, 1}, {kHomePhone, 8}, {kWorkPhone, 9},
                {kEmail, 24}, {kAddress1, 5}, {kAddress2, 4}, {kState, 6}, {kZip, 7}};
    case 2:
        return {{kFirst, 2}, {kMiddle, 3}, {kLast, 1}, {kHomePhone, 8}, {kWorkPhone, 9},
                {kEmail, 19}, {kAddress1, 5}, {kAddress2, 4}, {kState, 6}, {kZip, 7}};
    case 5:
        return {{kFirst, 2}, {kMiddle, 3}, {kLast, 1}, {kHomePhone, 4}, {kAddress1, 11},
                {kAddress2, 10}, {kState, 12}, {kZip, 13}};
    case 7: return {{kFirst, 2}, {kLast, 1}};
    }
    return {};
}

}  // namespace vn
