#include "base/Horloge.h"

#include <gtest/gtest.h>

#include <memory>

TEST(Horloge, TestDoubleReplacesTheSystemClock)
{
    const TDateHeure Systeme = Horloge().Maintenant();
    EXPECT_GE(Systeme.Annee, 2024);

    auto Fixe = std::make_shared<THorlogeFixe>(TDateHeure{2007, 5, 26, 20, 45, 10, 5});
    const auto Ancienne = InstalleHorloge(Fixe);
    EXPECT_EQ(Horloge().Maintenant(), (TDateHeure{2007, 5, 26, 20, 45, 10, 5}));
    EXPECT_EQ(Horloge().Aujourdhui(), (TDateHeure{2007, 5, 26}));
    Fixe->Regle({2008, 2, 29});
    EXPECT_EQ(Horloge().Aujourdhui(), (TDateHeure{2008, 2, 29}));
    InstalleHorloge(Ancienne);
    EXPECT_GE(Horloge().Maintenant().Annee, 2024);
}

TEST(Horloge, SerialDays)
{
    EXPECT_EQ(NumeroJour(1899, 12, 30), 0);
    EXPECT_EQ(NumeroJour(1900, 3, 1), 61);
    EXPECT_EQ(NumeroJour(2000, 1, 1), 36526);
    EXPECT_EQ(NumeroJour(2008, 3, 1) - NumeroJour(2008, 2, 28), 2);
    EXPECT_EQ(DateDuNumero(36526), (TDateHeure{2000, 1, 1}));
    EXPECT_EQ(DateDuNumero(NumeroJour(2024, 2, 29)), (TDateHeure{2024, 2, 29}));
}
