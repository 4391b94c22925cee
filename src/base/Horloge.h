#pragma once

// The program's clock: where "today" matters (the match day nearest to today,
// the season of the year, dates proposed in dialogs) the code asks this clock,
// never the system directly, so that tests can fix the date.

#include <memory>

struct TDateHeure {
    int Annee = 0;
    int Mois = 0; // 1..12
    int Jour = 0; // 1..31
    int Heure = 0;
    int Minute = 0;
    int Seconde = 0;
    int Milliseconde = 0;
    bool operator==(const TDateHeure&) const = default;
};

class THorloge {
public:
    virtual ~THorloge() = default;
    // Local date and time.
    virtual TDateHeure Maintenant() const = 0;
    // Today's date, at midnight.
    TDateHeure Aujourdhui() const
    {
        TDateHeure D = Maintenant();
        D.Heure = D.Minute = D.Seconde = D.Milliseconde = 0;
        return D;
    }
};

class THorlogeSysteme : public THorloge {
public:
    TDateHeure Maintenant() const override;
};

// The test double: shows the moment it was set to until set again.
class THorlogeFixe : public THorloge {
public:
    explicit THorlogeFixe(TDateHeure Moment = {2000, 1, 1}) : Moment(Moment) {}
    TDateHeure Maintenant() const override { return Moment; }
    void Regle(TDateHeure Nouveau) { Moment = Nouveau; }

private:
    TDateHeure Moment;
};

// The clock the program uses: the system's unless one was installed.
const THorloge& Horloge();
// Installs a clock (nullptr gives back the system's); returns the one it replaces.
std::shared_ptr<THorloge> InstalleHorloge(std::shared_ptr<THorloge> Nouvelle);

// Days since 30 December 1899, the serial day of the platform's dates, and back;
// handy for differences between dates. Valid for years 1..9999.
int NumeroJour(int Annee, int Mois, int Jour);
TDateHeure DateDuNumero(int Numero);
