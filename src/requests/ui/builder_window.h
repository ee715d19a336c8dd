#pragma once

#include "entry/session/record_listing.h"
#include "requests/builder/request_builder.h"
#include "requests/builder/label_choices.h"
#include "requests/builder/report_choices.h"
#include "mail/dial_up.h"
#include "mail/email_setup.h"
#include "requests/builder/request_menu.h"
#include "requests/math/calc_program.h"
#include "requests/labels/label_run.h"
#include "requests/merge/word_processor.h"
#include "requests/ui/builder_driver.h"
#include "shell/ui/app_window.h"

#include <functional>
#include <memory>
#include <optional>

class QStackedWidget;

namespace vn {

class BuilderView;
class QueueNameBox;
class RequestQueueView;
class TargetChange;
class TargetChangeView;
class TransmissionView;
class EmailMessageView;
class EmailSetupView;
class SmtpTransport;
class ChecksView;
class LabelSetupView;
class MathInstructionsView;
class MathView;
class MemoView;
class ReportChoicesView;
class ReportScreenView;
class ReportSummingView;
struct ReportDocument;
class DefinitionCache;

// Window 9, the request builder, on the current data list: its menus, the builder view and the
// views that carry a request on.
class RequestBuilderWindow : public AppWindow {
    Q_OBJECT
public:
    // Shows a record of the List view in the entry window, Prior and Next walking the list;
    // false when the record is no longer there.
    using OpenRecord = std::function<bool(const QList<ListingEntry>& entries, int position)>;
    // "Print List": prints the List view's entries under the request's display text. Without
    // one the button is offered disabled.
    using PrintList =
        std::function<void(Session& session, const SqlRequest& request, const QList<MatchListEntry>& entries)>;

    RequestBuilderWindow(Session& session, Navigator& navigator, OpenRecord openRecord, PrintList print = {},
                         QWidget* parent = nullptr);
    ~RequestBuilderWindow() override;

    const RequestBuilder& builder() const { return m_builder; }

    // Opens the label sheet window (10) on a label output.
    using OpenLabels = std::function<void(const LabelRun& run)>;
    void setOpenLabels(OpenLabels open) { m_openLabels = std::move(open); }

    // How "Open Word Processor" starts the word processor; detached, without a shell, unless set.
    void setStartProgram(StartProgram start) { m_startProgram = std::move(start); }

protected:
    QString captionText() const override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void beginAgain();
    void startAskedRequest();
    void refreshRequestMenu();
    void process();
    void evaluate();
    void openMatch(int row);
    void printList();
    void showMemos();
    void startReport();
    void connectReport();
    void connectSumming();
    void buildEmail();
    void showEmailSetup(bool shown);
    // Hands one click of the report views to the report's choices, then draws the window.
    void onReport(const std::function<void(ReportChoices&)>& event);
    // The request's records as the report or merge file shows them; nullopt when the store failed.
    std::optional<ReportDocument> reportDocument();
    void outputReport(const std::function<bool(const ReportDocument&)>& output);
    void processReport();
    void writeMerge();
    void openWordProcessor();
    void onLabels(const std::function<void(LabelChoices&)>& event);
    void outputLabels(LabelOutput output);
    void selectPrinter();
    // Math operations (builder_window_math.cpp).
    void connectMath();
    void startMath();
    QWidget* drawMath();  // the math view drawn; returns the one shown
    void onMath(const std::function<void(CalcProgram&)>& event);
    void leaveConstant(const QString& text);
    void processMath();
    void setPrintList(PrintList print);
    void redraw();
    bool mailSetUp() const;
    // The request queue: storing, listing, target changes and replays.
    void connectQueue();
    void addToQueue(QueueNameBox* box, const QString& name);
    void showQueue();
    void clearQueue();
    void chooseStored(const QString& key);
    void deleteStored(const QString& key);
    void preProcess(const QString& key);
    void onTargets(const std::function<void(TargetChange&)>& event);
    void replaceTarget();
    void replayStored();
    void replayReport();

    Session& m_session;
    Navigator& m_navigator;
    OpenRecord m_openRecord;
    PrintList m_printList;
    OpenLabels m_openLabels;
    StartProgram m_startProgram = startDetached;
    RequestBuilder m_builder;
    BuilderDriver m_drive;
    std::shared_ptr<const DefinitionCache> m_definitions;
    QStackedWidget* m_views = nullptr;
    BuilderView* m_view = nullptr;
    ChecksView* m_checks = nullptr;
    MemoView* m_memos = nullptr;
    ReportChoices m_report;
    ReportChoicesView* m_reportView = nullptr;
    ReportScreenView* m_reportScreen = nullptr;
    ReportSummingView* m_reportSumming = nullptr;
    bool m_screenShown = false;
    LabelChoices m_labels;
    LabelSetupView* m_labelView = nullptr;
    CalcProgram m_calc;
    MathView* m_mathView = nullptr;
    MathInstructionsView* m_mathInstructions = nullptr;
    bool m_instructionsShown = false;
    std::unique_ptr<SmtpTransport> m_transport;
    SystemDialUp m_dialUp;
    EmailSetup m_emailSetup;
    EmailMessageView* m_emailView = nullptr;
    EmailSetupView* m_emailSetupView = nullptr;
    bool m_setupShown = false;
    QString m_reportPrinter;  // chosen with "Select Printer"; empty: the default
    QList<std::pair<const RequestMenuEntry*, QAction*>> m_kindActions;
    enum class QueueShown { None, Requests, Targets };
    QueueShown m_queueShown = QueueShown::None;
    RequestQueueView* m_queueView = nullptr;
    TargetChangeView* m_targetView = nullptr;
    TransmissionView* m_transmitView = nullptr;
    std::unique_ptr<TargetChange> m_targets;
    QString m_storedKey;  // of the request whose targets are shown
};

}  // namespace vn
