#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vn {

// "Add to SQL Request Queue List...", offered after a request has run: the button opens the name
// box, Return (or, where asked, leaving the box) offers "Add Now", which asks for the request to
// be stored under the name.
class QueueNameBox : public QWidget {
    Q_OBJECT
public:
    enum class Leaving { Ignored, OffersAddNow };
    QueueNameBox(const QString& prefix, Leaving leaving, QWidget* parent);

    // Offered after each run; a new offer starts again from the button.
    void setOffered(bool offered);
    // The request was stored: nothing more is offered for this run.
    void saved();
    // The name was refused: "Add Now" hidden, the focus back in the box; a taken name is emptied.
    void refused(bool emptyName);

signals:
    void addNow(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openName();
    void offerAddNow();

    QPushButton* m_open = nullptr;
    QLabel* m_label = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_addNow = nullptr;
    Leaving m_leaving;
    bool m_offered = false;
    bool m_done = false;
};

}  // namespace vn
