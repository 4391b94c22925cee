#pragma once

#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QWidget>

#include "base/Utilities.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QScrollBar;

// Margins of a skin bitmap, in pixels of the bitmap: the corners and edges
// they cut off are copied once, the middle band is tiled.
class TMarge {
public:
    uint16_t Left() const { return FLeft; }
    uint16_t Top() const { return FTop; }
    uint16_t Right() const { return FRight; }
    uint16_t Bottom() const { return FBottom; }
    void SetLeft(uint16_t valeur);
    void SetTop(uint16_t valeur);
    void SetRight(uint16_t valeur);
    void SetBottom(uint16_t valeur);
    void Set(uint16_t left, uint16_t top, uint16_t right, uint16_t bottom);
    bool Vide() const { return FLeft == 0 && FTop == 0 && FRight == 0 && FBottom == 0; }

    std::function<void()> OnChange;

private:
    void Change();

    uint16_t FLeft = 0;
    uint16_t FTop = 0;
    uint16_t FRight = 0;
    uint16_t FBottom = 0;
};

// One 1:1 copy of the nine-piece rule: a rectangle of the skin bitmap and
// where its top-left corner lands on the control. Copies are clipped to the
// bitmap and to the target, and those that fall wholly outside are dropped.
struct TCopieMotif {
    QRect Source;
    QPoint Destination;
};

// The copies that lay a W x H skin bitmap with its margins over a w x h
// control. A button lays at least one middle copy even where it does not fit.
// Margins that leave no middle band tile the whole bitmap, as empty ones do.
std::vector<TCopieMotif> PlanMotif(QSize bitmap, const TMarge& marge, QSize cible, bool bouton);
void DessineMotif(QPainter& canvas, const QImage& bitmap, const TMarge& marge, QSize cible, bool bouton);

// A background: the selection bitmap while selected (when it has one), else the bitmap.
void DessineFond(QPainter& canvas, QSize cible, const QImage& bitmap, const QImage& selection, const TMarge& marge,
                 bool selectionne);
// A button: Down shows the down picture, hover the over picture when there is one, else up.
void DessineBouton(QPainter& canvas, QSize cible, const QImage& up, const QImage& down, const QImage& over,
                   const TMarge& marge, bool enfonce, bool survole);

// A skinned panel that holds child controls. Its surface is painted from the
// bitmaps and margins of its Modele when it has one, else from its own.
class TFondModele : public QWidget {
    Q_OBJECT
public:
    explicit TFondModele(QWidget* parent = nullptr);

    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& bitmap);
    const QImage& BitmapSelection() const { return FBitmapSelection; }
    void SetBitmapSelection(const QImage& bitmap);
    TMarge& MargeMotif() { return FMargeMotif; }
    const TMarge& MargeMotif() const { return FMargeMotif; }
    TFondModele* Modele() const { return FModele; }
    void SetModele(TFondModele* modele);

    // Paints the skin over (0, 0, Width, Height) of any canvas: screen, picture or printer.
    void Dessine(QPainter& canvas) const;

    std::function<void(QPainter&)> OnPaint;
    std::function<void()> OnClick;
    std::function<void()> OnResize;

protected:
    virtual bool EstSelectionne() const { return false; }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage FBitmap;
    QImage FBitmapSelection;
    TMarge FMargeMotif;
    QPointer<TFondModele> FModele;
    bool FPresse = false;
};

// A model: owns the bitmaps the copies paint with.
class TFond : public TFondModele {
    Q_OBJECT
public:
    explicit TFond(QWidget* parent = nullptr);
};

// Paints through its Modele.
class TFondCopie : public TFondModele {
    Q_OBJECT
public:
    explicit TFondCopie(QWidget* parent = nullptr);

    // Prints the panel's labels into Rect of the canvas (ImprimeLabelsPanneau).
    void ImprimeLabels(QPainter& canvas, const QRect& rect) const;
    // The same on the canvas of the document being printed.
    void ImprimeLabels(const QRect& rect) const;
};

// A skinned panel whose content scrolls: controls go into its content panel
// (InsereControle), and the bars show when the content outgrows the view.
class TFondScroll : public TFondCopie {
    Q_OBJECT
public:
    explicit TFondScroll(QWidget* parent = nullptr);

    bool ScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool valeur);
    bool ScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool valeur);
    uint8_t ScrollLeft() const { return FScrollLeft; }
    void SetScrollLeft(uint8_t valeur);
    uint8_t ScrollTop() const { return FScrollTop; }
    void SetScrollTop(uint8_t valeur);
    TFondModele* ModeleScroll() const;
    void SetModeleScroll(TFondModele* modele);
    QScrollBar* MyScrollh() const { return FScrollH; }
    QScrollBar* MyScrollv() const { return FScrollV; }

    // The panel the scrolled controls live in.
    TFondCopie* Contenu() const { return FContenu; }
    void InsereControle(QWidget* controle);
    QWidget* GetControle(int i) const;
    int NbControle() const;
    void MiseAJourScroll();
    int HauteurContenu() const;
    int LargeurContenu() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QWidget*> Enfants() const;
    bool EstPartieInterne(const QWidget* w) const;
    void ReinitialiseVue();

    QWidget* FVue;
    TFondCopie* FContenu;
    QScrollBar* FScrollV;
    QWidget* FBande;
    QScrollBar* FScrollH;
    bool FScrollHorizontal = true;
    bool FScrollVertical = true;
    uint8_t FScrollLeft = 8;
    uint8_t FScrollTop = 8;
    QSize FTailleConnue;
};

// A skinned frame with a text: selectable among its siblings, and editable
// from the keyboard when it takes the focus (TabStop).
class TEdition2 : public TFondCopie {
    Q_OBJECT
public:
    explicit TEdition2(QWidget* parent = nullptr);

    bool Selectionne() const { return FSelectionne; }
    void SetSelectionne(bool valeur);
    bool Selectionnable() const { return FSelectionnable; }
    void SetSelectionnable(bool valeur) { FSelectionnable = valeur; }
    bool Multi() const { return FMulti; }
    void SetMulti(bool valeur) { FMulti = valeur; }
    bool Focuse() const { return FFocuse; }
    uint8_t Maxlength() const { return FMaxlength; }
    void SetMaxlength(uint8_t valeur);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool valeur);
    int DecalX() const { return FDecalX; }
    void SetDecalX(int valeur);
    int DecalY() const { return FDecalY; }
    void SetDecalY(int valeur);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool valeur);
    // A text too wide for the frame is drawn a little smaller, down to a
    // floor, before it is shortened (a round box and its third digit).
    bool ReduitPourTenir() const { return FReduitPourTenir; }
    void SetReduitPourTenir(bool valeur);

    const std::string& Text() const { return FTexte; }
    void SetText(const std::string& texte);
    // The text as drawn: with an ellipsis when the frame is too narrow for it,
    // the whole of it then in the frame's tooltip.
    QString TexteAffiche() const;
    // The font the text is drawn in: smaller than the frame's own when the
    // frame shrinks its text to fit.
    QFont PoliceAffichee() const;
    // Caret position in characters, at most the text's length.
    int Caret() const { return FCaret; }

    // Called after something was dropped on the frame; nothing here.
    virtual void Change() {}

    std::function<void()> OnChange; // the text changed
    // Every key typed into the frame, before the frame takes it; clear the
    // text to refuse the key.
    std::function<void(QString& touche)> OnKeyPress;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
    bool EstSelectionne() const override { return FSelectionne; }
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Whether a typed character (already passed OnKeyPress) may enter the text.
    virtual bool AccepteCaractere(char32_t c) const;
    // Hook before a key is taken: the round box empties a lone "0" there.
    virtual void AvantFrappe() {}
    int PlaceTexte() const;

private:
    void ChangeTexte(const std::string& texte);
    void MetBulle();

    std::string FTexte;
    bool FSelectionne = false;
    bool FSelectionnable = false;
    bool FMulti = false;
    bool FFocuse = false;
    uint8_t FMaxlength = 0;
    bool FAutoSelect = false;
    bool FRemplaceProchaineTouche = false;
    bool FEnFrappe = false;
    int FDecalX = 0;
    int FDecalY = 0;
    bool FTabStop = false;
    bool FReduitPourTenir = false;
    int FCaret = 0;
    bool FBulleTexte = false; // the tooltip is the frame's own whole text
};

// The widest of Textes in the control's own font, in pixels.
int LargeurTextes(const QWidget& controle, const std::vector<std::string>& textes);
// The least width, not under Minimum, at which a frame or a skinned button
// shows each of Textes whole inside its rim.
int LargeurCadrePour(const QWidget& controle, const std::vector<std::string>& textes, int minimum);

// A framed display text, 120 x 21.
class TCadre : public TEdition2 {
    Q_OBJECT
public:
    explicit TCadre(QWidget* parent = nullptr);
};

class TListe;

// A frame that shows one entry (a player, a team) with its item number, and
// takes entries by drag and drop from a TListe or from another frame.
class TCadreDrop : public TCadre {
    Q_OBJECT
public:
    explicit TCadreDrop(QWidget* parent = nullptr);

    uint16_t Numero() const { return FNumero; }
    void SetNumero(uint16_t numero) { FNumero = numero; }
    bool Drag() const { return FDrag; }
    void SetDrag(bool valeur) { FDrag = valeur; }
    bool Drop() const { return FDrop; }
    void SetDrop(bool valeur) { FDrop = valeur; }
    bool Echange() const { return FEchange; }
    void SetEchange(bool valeur) { FEchange = valeur; }
    bool NumeroHex() const { return FNumeroHex; }
    void SetNumeroHex(bool valeur) { FNumeroHex = valeur; }

    // What a drop of Source (another frame or a list) would do, and doing it.
    bool AccepteDepot(const QObject* source) const;
    void DragDrop(QObject* source);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPoint FDepartGlisse;
    bool FGlissePossible = false;
    uint16_t FNumero = 0;
    bool FDrag = true;
    bool FDrop = true;
    bool FEchange = true;
    bool FNumeroHex = false;
};

// The round numeric box, 25 x 25: digits, Backspace and Enter only.
class TEditRond : public TEdition2 {
    Q_OBJECT
public:
    explicit TEditRond(QWidget* parent = nullptr);

protected:
    bool AccepteCaractere(char32_t c) const override;
    void AvantFrappe() override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Palette of the list and report colour codes 0-15 ($00BBGGRR).
TColor CouleurCode(int code);

// An item of a TListe with NomLong: character 1 any, characters 2-5 the
// number, character 6 the colour code, then the shown name.
struct TElementListe {
    std::string Numero;   // characters 2-5
    int CodeCouleur = -1; // character 6, -1 when missing
    std::string Nom;      // characters 7 onward
};
TElementListe LitElementListe(const std::string& texte);
// The item put back into a list for a frame's former entry: code 1, the
// number as four digits (hexadecimal when the frame reads them so), code 1,
// the text.
std::string ConstruitElementListe(uint16_t numero, bool hexadecimal, const std::string& texte);

// The owner-drawn list that feeds frames by drag and drop.
class TListe : public QListWidget {
    Q_OBJECT
public:
    explicit TListe(QWidget* parent = nullptr);

    bool CanDrag() const { return FCanDrag; }
    void SetCanDrag(bool valeur) { FCanDrag = valeur; }
    bool GagneElement() const { return FGagneElement; }
    void SetGagneElement(bool valeur) { FGagneElement = valeur; }
    bool NomLong() const { return FNomLong; }
    void SetNomLong(bool valeur);
    bool TriComplet() const { return FTriComplet; }
    void SetTriComplet(bool valeur) { FTriComplet = valeur; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int hauteur);

    // Items: their whole text (control codes included) and the object carried with each.
    int Ajoute(const std::string& texte, intptr_t objet = 0);
    void Insere(int index, const std::string& texte, intptr_t objet = 0);
    void Supprime(int index);
    void Vide();
    int Nb() const { return count(); }
    std::string Texte(int index) const;
    intptr_t Objet(int index) const;
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index) { setCurrentRow(index); }

    // Sorts by name (colour code first with TriComplet); equal keys come out
    // in reverse order of arrival.
    void TrieItems();

    bool AccepteDepot(const QObject* source) const;
    void DragDrop(QObject* source);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool FCanDrag = true;
    bool FGagneElement = false;
    bool FNomLong = false;
    bool FTriComplet = false;
    int FItemHeight = 16;
    QPoint FDepartGlisse;
    bool FGlissePossible = false;
};

// A skinned button; its pictures and margins come from its Modele when it has
// one. A click hands ModalResult to its modal form; Enter and Escape click the
// Default and Cancel buttons of the window.
class TBoutonModele : public QWidget {
    Q_OBJECT
public:
    explicit TBoutonModele(QWidget* parent = nullptr);
    ~TBoutonModele() override;

    bool Down() const { return FDown; }
    void SetDown(bool valeur);
    int DecalX() const { return FDecalX; }
    void SetDecalX(int valeur);
    int DecalY() const { return FDecalY; }
    void SetDecalY(int valeur);
    TBoutonModele* Modele() const { return FModele; }
    void SetModele(TBoutonModele* modele);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int valeur) { FModalResult = valeur; }
    TColor Couleur() const { return FCouleur; }
    void SetCouleur(TColor couleur);
    TColor CouleurOver() const { return FCouleurOver; }
    void SetCouleurOver(TColor couleur);
    bool Default() const { return FDefault; }
    void SetDefault(bool valeur);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool valeur);
    TMarge& MargeMotif() { return FMargeMotif; }
    const TMarge& MargeMotif() const { return FMargeMotif; }
    std::string Caption() const { return FCaption.toStdString(); }
    void SetCaption(const std::string& caption);
    bool Survole() const { return FSurvole; }

    const QImage& BitmapUp() const { return FBitmapUp; }
    const QImage& BitmapDown() const { return FBitmapDown; }
    const QImage& BitmapOver() const { return FBitmapOver; }

    // Any value the form wants carried with the button (the message box puts its results there).
    int Tag = 0;

    // Presses the button as a click would: the modal result, then OnClick.
    void Click();
    void Dessine(QPainter& canvas) const;

    std::function<void()> OnClick;
    std::function<void(QPainter&)> OnPaint;

    // Enter or Escape in Fenetre: clicks its Default or Cancel button that can
    // take the focus; Escape in a form without a Cancel button closes it as its
    // title bar does. True when the key was used.
    static bool TraiteToucheDialogue(QWidget* fenetre, int touche);

protected:
    virtual void MouseEnter();
    virtual void MouseLeave();
    void SetBitmapUp(const QImage& bitmap);
    void SetBitmapDown(const QImage& bitmap);
    void SetBitmapOver(const QImage& bitmap);
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool SurvolVisible() const;

    bool FDown = false;
    int FDecalX = 0;
    int FDecalY = 0;
    QPointer<TBoutonModele> FModele;
    int FModalResult = 0;
    TColor FCouleur = 0x000000;
    TColor FCouleurOver = 0xFFFFFF;
    bool FDefault = false;
    bool FCancel = false;
    TMarge FMargeMotif;
    QString FCaption;
    bool FSurvole = false;
    QImage FBitmapUp;
    QImage FBitmapDown;
    QImage FBitmapOver;
};

// A model button: owns its up, down and over pictures.
class TBouton : public TBoutonModele {
    Q_OBJECT
public:
    explicit TBouton(QWidget* parent = nullptr);
    using TBoutonModele::SetBitmapDown;
    using TBoutonModele::SetBitmapOver;
    using TBoutonModele::SetBitmapUp;
};

// Draws through its Modele.
class TBoutonCopie : public TBoutonModele {
    Q_OBJECT
public:
    explicit TBoutonCopie(QWidget* parent = nullptr);
};

// A picture a TLogo shows; its kind decides how it is drawn.
struct TGraphique {
    enum class TGenre { Png, Jpeg };
    TGenre Genre = TGenre::Png;
    QImage Image;
};

// Shows a crest or a photograph fitted into the control, never enlarged.
class TLogo : public QWidget {
    Q_OBJECT
public:
    // Pixels of this colour are transparent in a PNG picture ($00BBGGRR).
    static constexpr TColor CouleurTransparente = 0xFFFF99;

    explicit TLogo(QWidget* parent = nullptr);

    const TGraphique* Image() const { return FImage.get(); }
    // Takes the picture (nullptr clears) and frees the former one.
    void SetImage(std::unique_ptr<TGraphique> image);
    // ".png" or ".jpg"/".jpeg" (any case); any other file, or one that fails
    // to load, leaves the logo empty.
    void ChargeFichier(const std::string& nomFichier);
    TColor CouleurFond() const { return FCouleurFond; }
    void SetCouleurFond(TColor couleur);

    void Dessine(QPainter& canvas) const;

    std::function<void(QPainter&)> OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<TGraphique> FImage;
    TColor FCouleurFond = 0x6F3000;
};
