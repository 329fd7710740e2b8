#include "qt/accessibility.h"

#include <QAction>
#include <QWidget>

#include "qt/translations.h"

namespace rainbow {

void describe_widget(QWidget& widget, const std::string& form, const Description& description,
                     const std::string& caption) {
    const QString tooltip = translated(form, description.tooltip);
    const QString name =
        caption.empty() ? translated(form, description.role) : QString::fromStdString(caption);
    if (widget.toolTip() != tooltip) widget.setToolTip(tooltip);
    if (widget.accessibleDescription() != tooltip) widget.setAccessibleDescription(tooltip);
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
}

void describe_action(QAction& action, const std::string& form, const Description& description) {
    const QString tooltip = translated(form, description.tooltip);
    if (action.toolTip() != tooltip) action.setToolTip(tooltip);
    if (action.statusTip() != tooltip) action.setStatusTip(tooltip);
}

}  // namespace rainbow
