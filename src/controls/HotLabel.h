#pragma once

// A label that behaves as a hyperlink: hand cursor and underlined caption
// while the mouse is over it; a click runs OnClick (pages navigate with it).

#include <QLabel>

#include <functional>

class THotLabel : public QLabel {
    Q_OBJECT

public:
    explicit THotLabel(QWidget* Parent = nullptr);
    explicit THotLabel(const QString& Texte, QWidget* Parent = nullptr);

    std::function<void()> OnClick;
    int Tag = 0;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void Survole(bool Dessus);
};
