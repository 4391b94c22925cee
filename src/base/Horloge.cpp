#include "base/Horloge.h"

#include <chrono>
#include <ctime>

TDateHeure THorlogeSysteme::Maintenant() const
{
    using namespace std::chrono;
    const auto Instant = system_clock::now();
    const std::time_t Secondes = system_clock::to_time_t(Instant);
    std::tm Local{};
    localtime_r(&Secondes, &Local);
    TDateHeure D;
    D.Annee = Local.tm_year + 1900;
    D.Mois = Local.tm_mon + 1;
    D.Jour = Local.tm_mday;
    D.Heure = Local.tm_hour;
    D.Minute = Local.tm_min;
    D.Seconde = Local.tm_sec;
    D.Milliseconde = static_cast<int>(duration_cast<milliseconds>(Instant.time_since_epoch()).count() % 1000);
    return D;
}

namespace {
std::shared_ptr<THorloge>& Installee()
{
    static std::shared_ptr<THorloge> H;
    return H;
}
} // namespace

const THorloge& Horloge()
{
    static const THorlogeSysteme Systeme;
    const std::shared_ptr<THorloge>& H = Installee();
    return H ? *H : static_cast<const THorloge&>(Systeme);
}

std::shared_ptr<THorloge> InstalleHorloge(std::shared_ptr<THorloge> Nouvelle)
{
    std::shared_ptr<THorloge> Ancienne = std::move(Installee());
    Installee() = std::move(Nouvelle);
    return Ancienne;
}

int NumeroJour(int Annee, int Mois, int Jour)
{
    using namespace std::chrono;
    const sys_days J = year{Annee} / month{static_cast<unsigned>(Mois)} / day{static_cast<unsigned>(Jour)};
    const sys_days Origine = year{1899} / December / 30;
    return static_cast<int>((J - Origine).count());
}

TDateHeure DateDuNumero(int Numero)
{
    using namespace std::chrono;
    const sys_days Origine = year{1899} / December / 30;
    const year_month_day J{Origine + days{Numero}};
    TDateHeure D;
    D.Annee = static_cast<int>(J.year());
    D.Mois = static_cast<int>(static_cast<unsigned>(J.month()));
    D.Jour = static_cast<int>(static_cast<unsigned>(J.day()));
    return D;
}
