#pragma once

#include "entry/session/record_listing.h"
#include "shell/ui/app_window.h"

#include <memory>
#include <optional>

class QStackedWidget;

namespace vn {

class EntrySession;
class ListSelectionView;
class RecordScreen;
class RecordSelectionView;

// Window 7, record entry: choose a list, list its records, enter and review them on the screen
// generated from the list's pages.
class RecordEntryWindow : public AppWindow {
    Q_OBJECT
public:
    RecordEntryWindow(Session& session, Navigator& navigator, QWidget* parent = nullptr);
    ~RecordEntryWindow() override;

    EntrySession& entrySession() const { return *m_entry; }
    void showListSelection();
    void hideViews();
    // Shows the record at `position` of a list made elsewhere (the request builder's result),
    // Prior and Next walking that list; false when the record is no longer there.
    bool openFromList(QList<ListingEntry> entries, int position);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    QString captionText() const override;

private:
    void buildMenus(Navigator& navigator);
    void openList();
    void showRecordSelection(bool listAgain);
    void startNewRecord();
    void openRecord(int position);
    bool showOpened(bool opened);
    void refreshSql();
    void leaveRecord();
    void setOpenList(std::optional<QString> title);

    Session& m_session;
    std::unique_ptr<EntrySession> m_entry;
    QStackedWidget* m_views = nullptr;
    ListSelectionView* m_lists = nullptr;
    RecordSelectionView* m_records = nullptr;
    RecordScreen* m_screen = nullptr;
    QAction* m_sql = nullptr;
    std::optional<QString> m_openListTitle;  // the title of the list opened with "Open List"
};

AppWindow* makeEntryWindow(Session& session, Navigator& navigator);

}  // namespace vn
