#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace vn {

class HelpAgent;

// Right clicks on watched controls ask the help character for their help phrase; on a watched
// menu, the phrase of the item under the pointer; an explained control speaks its own text. Other
// buttons pass through. The character is asked for on each click: it may be plugged in later.
class ControlHelpFilter final : public QObject {
public:
    ControlHelpFilter(std::function<HelpAgent&()> agent, QObject* parent);
    void watch(QWidget* control);
    void explain(QWidget* control, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<HelpAgent&()> m_agent;
    QHash<const QObject*, QString> m_explanations;
};

}  // namespace vn
