#pragma once

#include "shell/core/table_upgrades.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vn {

// "Varnedo Table Upgrade Found!": the change on offer, its gauge and the two buttons. It keeps the
// main window disabled while it shows and cannot be closed until the upgrade run hides it.
class UpgradeWindow : public QDialog, public UpgradeWindowView {
    Q_OBJECT
public:
    explicit UpgradeWindow(QWidget* mainWindow);

    void showUpgrade(const QString& marker, const QString& information) override;
    void setProgress(qint64 done, qint64 total) override;
    void showDone(const QString& information) override;
    void hideUpgrade() override;

    void reject() override;

signals:
    void performRequested();
    void continueRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_mainWindow;
    QLineEdit* m_code = nullptr;
    QPlainTextEdit* m_information = nullptr;
    QProgressBar* m_gauge = nullptr;
    QPushButton* m_perform = nullptr;
    QPushButton* m_continue = nullptr;
    bool m_closing = false;
};

}  // namespace vn
