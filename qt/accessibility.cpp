#include "qt/accessibility.h"

#include <QAction>
#include <QString>
#include <QWidget>

#include "qt/translations.h"

namespace rainbow {

QString wrapped_tooltip(const QString& text, int columns) {
    QString wrapped;
    int line = 0;
    for (const QString& word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (line > 0 && line + 1 + word.size() > columns) {
            wrapped += QLatin1Char('\n');
            line = 0;
        } else if (line > 0) {
            wrapped += QLatin1Char(' ');
            ++line;
        }
        wrapped += word;
        line += int(word.size());
    }
    return wrapped;
}

void describe_widget(QWidget& widget, const std::string& form, const Description& description,
                     const std::string& caption) {
    const QString tooltip = translated(form, description.tooltip);
    const QString name =
        caption.empty() ? translated(form, description.role) : QString::fromStdString(caption);
    const QString tip = wrapped_tooltip(tooltip);
    if (widget.toolTip() != tip) widget.setToolTip(tip);
    if (widget.accessibleDescription() != tooltip) widget.setAccessibleDescription(tooltip);
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

void describe_action(QAction& action, const std::string& form, const Description& description) {
    const QString tooltip = translated(form, description.tooltip);
    const QString tip = wrapped_tooltip(tooltip);
    if (action.toolTip() != tip) action.setToolTip(tip);
    if (action.statusTip() != tooltip) action.setStatusTip(tooltip);
}

}  // namespace rainbow
