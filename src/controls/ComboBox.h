#pragma once

#include <QComboBox>

#include <cstdint>
#include <functional>
#include <string>

// The key that completion compares with: a-z upper-cased and the lower-case
// French accents folded (é -> E, à -> A, ...); every other character, upper-case
// accented letters and ç included, stays as it is.
std::string NormaliseTexte(const std::string& texte);

// A combo box that completes what the user types from its list, ignoring case
// and lower-case accents. The list is expected in folded order.
class TComboBox98 : public QComboBox {
    Q_OBJECT
public:
    // Sender, code of the last key, the text about to be appended (may be
    // changed), and whether to complete (may be set false).
    using TOnComplete = std::function<void(TComboBox98*, uint16_t, std::string&, bool&)>;

    explicit TComboBox98(QWidget* parent = nullptr);

    bool Complete() const { return FComplete; }
    void SetComplete(bool valeur) { FComplete = valeur; }
    int MinLengthComplete() const { return FMinLengthComplete; }
    void SetMinLengthComplete(int valeur) { FMinLengthComplete = valeur; }
    // The item completed to by the last change, -1 when none.
    int IndexComplete() const { return FIndexComplete; }
    const std::string& TexteTape() const { return FTexteTape; }

    // Runs completion on the typed text as a change of the edit would.
    void Change(const std::string& texte);

    TOnComplete OnComplete;
    std::function<void()> OnChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    bool FComplete = true;
    int FMinLengthComplete = 0;
    uint16_t FDerniereTouche = 0;
    std::string FTexteTape;
    int FIndexComplete = -1;
    bool FEnCompletion = false;
};

// A drop-down list that shows a choice too long for its box with an ellipsis,
// the whole of it in its tooltip, rather than cut it mid-letter.
class TComboAbrege : public QComboBox {
    Q_OBJECT
public:
    explicit TComboAbrege(QWidget* parent = nullptr);
    // The choice as drawn in the box.
    QString TexteAffiche() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A list filled with its signals blocked changes its choice unheard: the
    // tooltip follows the choice wherever the box is looked at.
    void MetBulle();
};
