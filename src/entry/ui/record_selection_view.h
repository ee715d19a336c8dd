#pragma once

#include "entry/session/office_choices.h"
#include "entry/session/record_listing.h"

#include <QWidget>

class QButtonGroup;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vn {

class Session;

// "Open List": review or new, the listing method, the office filter and the record list.
class RecordSelectionView : public QWidget {
    Q_OBJECT
public:
    RecordSelectionView(Session& session, QWidget* parent = nullptr);

    void reset();      // as "Open List" shows it
    void listAgain();  // the same listing once more
    const QList<ListingEntry>& entries() const { return m_entries; }

signals:
    void newRecordRequested();
    void recordChosen(int position);
    void selectNewListRequested();
    void exitRequested();

private:
    QWidget* buildChoices();
    QWidget* buildLevels();
    void levelChosen(LevelChoice level);
    void updateProcess();
    void process();
    void listRecords();
    void search(const QString& typed);

    Session& m_session;
    QRadioButton* m_review = nullptr;
    QRadioButton* m_new = nullptr;
    QButtonGroup* m_method = nullptr;
    QGroupBox* m_levelBox = nullptr;
    QButtonGroup* m_levels = nullptr;
    QRadioButton* m_stateLevel = nullptr;
    QListWidget* m_offices = nullptr;
    QLabel* m_officesTitle = nullptr;
    QPushButton* m_none = nullptr;
    QPushButton* m_all = nullptr;
    QPushButton* m_process = nullptr;
    QListWidget* m_records = nullptr;
    QLabel* m_count = nullptr;
    QLineEdit* m_search = nullptr;
    QFormLayout* m_searchForm = nullptr;
    QList<ListingEntry> m_entries;
};

}  // namespace vn
