#pragma once
// An Esito as a test condition: a failure prints the command's own message.
#include "esito.h"

#include <gtest/gtest.h>

inline ::testing::AssertionResult EsitoAccettato(const Esito& esito)
{
    if (esito.ok())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (esito.rifiutato() ? "rifiutato: " : "errore del database: ")
                                         << esito.messaggio.toStdString();
}
