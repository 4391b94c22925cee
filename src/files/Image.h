#pragma once

// Pictures as the core hands them out: crests, photographs, grid cell pictures.
// A TImage is plain 8-bit RGBA so that the catalogue, the picture library and
// the pages' models can be built and tested without the interface; the widgets
// convert it when they paint. The readers below take bytes from anywhere (the
// user's files included): they refuse what they cannot decode and never
// allocate more than the picture size limits allow.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TImage {
public:
    // Larger pictures are refused by every reader: a side longer than
    // MaxCoteImage or more than MaxPixelsImage pixels.
    static constexpr int MaxCoteImage = 30000;
    static constexpr int64_t MaxPixelsImage = 40'000'000;

    TImage() = default;
    // A transparent picture; an empty one when the size is not admitted.
    TImage(int Largeur, int Hauteur);

    static bool TailleAdmise(int64_t Largeur, int64_t Hauteur);

    int Largeur() const { return Largeur_; }
    int Hauteur() const { return Hauteur_; }
    bool Vide() const { return Largeur_ == 0 || Hauteur_ == 0; }

    // Rows from top to bottom, 4 bytes per pixel in the order R, G, B, A.
    const uint8_t* Pixels() const { return Pixels_.data(); }
    uint8_t* Pixels() { return Pixels_.data(); }
    size_t TailleLigne() const { return static_cast<size_t>(Largeur_) * 4; }
    uint8_t* Ligne(int Y) { return Pixels_.data() + TailleLigne() * static_cast<size_t>(Y); }
    const uint8_t* Ligne(int Y) const { return Pixels_.data() + TailleLigne() * static_cast<size_t>(Y); }

    // $AABBGGRR (alpha in the high byte), 0 outside the picture.
    uint32_t GetPixel(int X, int Y) const;
    void SetPixel(int X, int Y, uint8_t R, uint8_t G, uint8_t B, uint8_t A = 255);

    // True when no pixel is even partly transparent.
    bool Opaque() const;

private:
    int Largeur_ = 0;
    int Hauteur_ = 0;
    std::vector<uint8_t> Pixels_;
};

// Decoders: nullptr when the bytes are not a picture of that format, are
// damaged beyond use, or describe a picture larger than TImage admits.
std::unique_ptr<TImage> DecodePng(const uint8_t* Octets, size_t Taille);
std::unique_ptr<TImage> DecodeJpeg(const uint8_t* Octets, size_t Taille);
// The first frame, placed on the logical screen; transparent where it leaves
// the screen uncovered or uses its transparent colour.
std::unique_ptr<TImage> DecodeGif(const uint8_t* Octets, size_t Taille);
// Windows and OS/2 bitmaps: 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, RLE or with bit fields.
std::unique_ptr<TImage> DecodeBmp(const uint8_t* Octets, size_t Taille);

// Encoders: the file's bytes, empty when encoding failed. JPEG has no
// transparency: partly transparent pixels are laid on white.
std::string EncodePng(const TImage& Image);
std::string EncodeJpeg(const TImage& Image, int Qualite = 90);

// Whole files. Reading refuses files too large to be a picture TImage admits.
std::unique_ptr<TImage> ChargePng(const std::string& Fichier);
std::unique_ptr<TImage> ChargeJpeg(const std::string& Fichier);
// By the file name's extension in any case: ".png", ".gif", ".jpg", ".jpeg",
// ".bmp"; nullptr for any other extension or a file that does not decode.
std::unique_ptr<TImage> ChargeFichierImage(const std::string& Fichier);
// True when Fichier's extension is one ChargeFichierImage knows.
bool ExtensionImageConnue(std::string_view Fichier);

// Written beside the destination first and then moved over it, so a failed
// write leaves any previous file whole. False when the picture is empty or the
// file could not be written.
bool EnregistrePng(const TImage& Image, const std::string& Fichier);
bool EnregistreJpeg(const TImage& Image, const std::string& Fichier, int Qualite = 90);
