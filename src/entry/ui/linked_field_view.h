#pragma once

#include <QWidget>

#include <memory>

class QFormLayout;
class QLabel;

namespace vn {

class EntrySession;
class LinkedFieldPick;
class Prompter;
class SourceListBox;
struct FieldDefinition;

// "Select Record For Linked Field:": the sibling record a linked page text field (and every
// other linked field of its source) shows a field of.
class LinkedFieldView : public QWidget {
    Q_OBJECT
public:
    LinkedFieldView(EntrySession& session, Prompter& prompter, QWidget* parent = nullptr);
    ~LinkedFieldView() override;

    void start(const FieldDefinition& definition);

signals:
    // The record's values changed when `changed`.
    void finished(bool changed);

private:
    QLabel* addFact(QFormLayout* form, const QString& caption, const char* name);
    void choose(int row);
    void saveReturn();
    void render();

    EntrySession& m_session;
    Prompter& m_prompter;
    std::unique_ptr<LinkedFieldPick> m_pick;
    QLabel* m_system = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_field = nullptr;
    QLabel* m_contents = nullptr;
    SourceListBox* m_list = nullptr;
};

}  // namespace vn
