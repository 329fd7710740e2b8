#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace rainbow {

// The bar of a presented lesson: the scene's title and note, and where the scene stands in
// the lesson ("2 / 5"), along the bottom of the window in front. A window of its own that
// never takes the focus, so that the keys still reach the windows of the program.
class CaptionBar : public QWidget {
    Q_OBJECT

public:
    CaptionBar();

    void show_scene(const QString& title, const QString& note, int scene, int scenes);
    // Lies along the bottom of `window` (followed as it moves and resizes) and shows.
    void follow(QWidget* window);

    QString title() const;
    QString note() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QLabel* title_;
    QLabel* note_;
    QLabel* where_;
    QPointer<QWidget> window_;
};

}  // namespace rainbow
