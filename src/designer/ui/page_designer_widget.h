#pragma once

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace vn {

class FieldHelp;
class FieldHelpPanel;
class HeaderLink;
class HeaderLinkPanel;
class HeaderVisibility;
class HeaderVisibilityPanel;
class HelpAgent;
class SiblingFieldList;
class SiblingFieldsPanel;
struct SiblingPlaces;

class FieldInputPanel;
class PageCanvas;
class PageDesigner;
class Prompter;
class QtTextMeasure;
class RecordAccess;
class SelectionListEditorWidget;

// The "Add/Modify Fields" view: the header sample, the page, its buttons and the views beside it.
// It shows PageDesigner's state and hands it every action.
class PageDesignerWidget : public QWidget {
    Q_OBJECT
public:
    PageDesignerWidget(Prompter& prompter, QWidget* parent = nullptr);
    ~PageDesignerWidget() override;

    // Starts designing the list's pages.
    void open(std::unique_ptr<PageDesigner> designer);
    PageDesigner* designer() const { return m_designer.get(); }
    PageCanvas& canvas() const { return *m_canvas; }
    const QtTextMeasure& measure() const { return *m_measure; }
    void render();
    // The header fields the list's web form shows, edited by "Set Header Field Visibility".
    void setHeaderVisibility(std::unique_ptr<HeaderVisibility> flags);
    // "Build Direct Form Access URL": the address shown in its box.
    void showDirectAddress(const QString& address);
    // Enables the text field's selection list editor, which works on the tables directly.
    void setSelectionAccess(RecordAccess& access);
    // Enables the help texts of fields, previewed by the help character.
    void setHelpAccess(RecordAccess& access, HelpAgent& agent);
    // The sibling products present and the list's header link: "Copy Fields From Sibling Products"
    // and "Link Header Fields" are enabled while any sibling is present.
    void setSiblings(const SiblingPlaces& places, std::unique_ptr<HeaderLink> link);

signals:
    void menuLockChanged(bool menuEnabled);
    void exited();

private:
    QWidget* buildHeader();
    QWidget* buildPageButtons();
    QWidget* buildOptions();
    QWidget* buildPalette();
    QWidget* buildTitleView();
    QWidget* buildDataNote();
    QWidget* buildWebRow();
    QWidget* buildMoveButtons();
    void act(const std::function<void()>& action);
    void renderPanel();
    void openSelectionList();
    void openFieldHelp();
    void buildSiblingViews();

    Prompter& m_prompter;
    std::unique_ptr<QtTextMeasure> m_measure;
    std::unique_ptr<PageDesigner> m_designer;
    QLineEdit* m_recordCode = nullptr;
    PageCanvas* m_canvas = nullptr;
    std::array<QPushButton*, 6> m_pageButtons{};
    QStackedWidget* m_panels = nullptr;
    QWidget* m_options = nullptr;
    QWidget* m_palette = nullptr;
    FieldInputPanel* m_fields = nullptr;
    QWidget* m_fieldsView = nullptr;  // the panel in its scroll area
    QWidget* m_titleView = nullptr;
    QWidget* m_dataNote = nullptr;
    HeaderVisibilityPanel* m_headerVisibility = nullptr;
    std::unique_ptr<HeaderVisibility> m_visibilityFlags;
    QLineEdit* m_directAddress = nullptr;
    SelectionListEditorWidget* m_selectionEditor = nullptr;
    std::unique_ptr<FieldHelp> m_fieldHelp;
    FieldHelpPanel* m_helpPanel = nullptr;
    std::unique_ptr<SiblingFieldList> m_siblingFields;
    SiblingFieldsPanel* m_siblingPanel = nullptr;
    std::unique_ptr<HeaderLink> m_headerLink;
    HeaderLinkPanel* m_headerLinkPanel = nullptr;
    QPushButton* m_copySiblings = nullptr;
    QPushButton* m_linkHeader = nullptr;
    std::array<QPushButton*, 5> m_copyButtons{};
    QPushButton* m_displayDeleted = nullptr;
    std::array<QPushButton*, 7> m_paletteButtons{};
    QLabel* m_titlePage = nullptr;
    QLineEdit* m_titleEdit = nullptr;
    QLabel* m_x = nullptr;
    QLabel* m_y = nullptr;
    QWidget* m_moveGroup = nullptr;
    QWidget* m_resizeGroup = nullptr;
    bool m_rendering = false;
};

}  // namespace vn
