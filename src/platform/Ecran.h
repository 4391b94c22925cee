#pragma once

// What the start-up checks of the display: colour depth and size.
struct TInfoEcran {
    int BitsParPixel = 0;
    int Largeur = 0;
    int Hauteur = 0;
};

class TServiceEcran {
public:
    virtual ~TServiceEcran() = default;
    virtual TInfoEcran Info() = 0;
};

// The primary screen as the windowing system reports it.
class TEcranSysteme : public TServiceEcran {
public:
    TInfoEcran Info() override;
};

TServiceEcran& Ecran();
// Installs a service (nullptr: the system's again) and returns the former one.
TServiceEcran* InstalleEcran(TServiceEcran* service);

// 1 shl bits per pixel, 32 bits counted as 24 (the alpha byte adds no colour).
long long NombreCouleursEcran(const TInfoEcran& info);
