#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace vn {

// The screen report: the pictures View1.bmp, View2.bmp, ... one at a time, with "Exit".
class ReportScreenView : public QWidget {
    Q_OBJECT
public:
    explicit ReportScreenView(QWidget* parent = nullptr);
    // Shows view 1 of the count written into the folder.
    void showViews(const QString& folder, int count);

signals:
    void exitClicked();

private:
    void showView(int view);

    QString m_folder;
    int m_count = 0;
    int m_view = 0;
    QLabel* m_picture = nullptr;
    QPushButton* m_prior = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace vn
