#include "platform/Ecran.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

TServiceEcran* ServiceInstalle = nullptr;

} // namespace

TInfoEcran TEcranSysteme::Info()
{
    TInfoEcran info;
    QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return info;
    info.BitsParPixel = ecran->depth();
    info.Largeur = ecran->geometry().width();
    info.Hauteur = ecran->geometry().height();
    return info;
}

TServiceEcran& Ecran()
{
    static TEcranSysteme systeme;
    return ServiceInstalle != nullptr ? *ServiceInstalle : systeme;
}

TServiceEcran* InstalleEcran(TServiceEcran* service)
{
    TServiceEcran* ancien = ServiceInstalle;
    ServiceInstalle = service;
    return ancien;
}

long long NombreCouleursEcran(const TInfoEcran& info)
{
    int bits = info.BitsParPixel >= 32 ? 24 : info.BitsParPixel;
    if (bits < 0)
        bits = 0;
    if (bits > 48)
        bits = 48;
    return 1LL << bits;
}
