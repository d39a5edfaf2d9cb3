-- Portfolio database: the scratch file DataExe.gvx and every saved *.gvf.
PRAGMA application_id = 1112952902; -- "BVPF"
PRAGMA user_version = 1;

-- AUTOINCREMENT: a key is never given twice, even after the last row is deleted.
CREATE TABLE Eseguiti (
  ID             INTEGER PRIMARY KEY AUTOINCREMENT,
  Data           TEXT,     -- yyyy-mm-dd
  Tipo           TEXT,
  System         TEXT,
  Cod            TEXT,
  Titolo         TEXT,
  Qta            INTEGER,
  Prezzo         REAL,
  Importo        REAL,
  Errore         TEXT,
  PrezzoOttimale REAL
);

-- Snapshot and staging table: the columns of Eseguiti in the same order.
-- Copied keys are kept; a row inserted without one gets the next free key.
CREATE TABLE EseguitiTemp (
  ID             INTEGER PRIMARY KEY,
  Data           TEXT,
  Tipo           TEXT,
  System         TEXT,
  Cod            TEXT,
  Titolo         TEXT,
  Qta            INTEGER,
  Prezzo         REAL,
  Importo        REAL,
  Errore         TEXT,
  PrezzoOttimale REAL
);

CREATE TABLE EseguitiBackup (
  ID             INTEGER PRIMARY KEY,
  Data           TEXT,
  Tipo           TEXT,
  System         TEXT,
  Cod            TEXT,
  Titolo         TEXT,
  Qta            INTEGER,
  Prezzo         REAL,
  Importo        REAL,
  Errore         TEXT,
  PrezzoOttimale REAL
);

-- Derived by the position engine; read back in insertion order (rowid).
CREATE TABLE Portafoglio (
  System      TEXT,
  Cod         TEXT,
  Titolo      TEXT,
  Qta         INTEGER,
  PzoCarico   REAL,
  Importo     REAL,
  Commissioni REAL
);

CREATE TABLE OperazioniChiuse (
  Data              TEXT,
  giornoDiSettimana INTEGER,   -- Sunday = 1
  System            TEXT,
  Cod               TEXT,
  Titolo            TEXT,
  PzoCarico         REAL,
  Qta               INTEGER,
  Prezzo            REAL,
  GP                REAL,
  GPPercentuale     REAL,
  Commissioni       REAL,
  Errore            TEXT,
  PrezzoOttimale    REAL
);

CREATE TABLE Conto (
  ID          INTEGER PRIMARY KEY AUTOINCREMENT,
  Data        TEXT,
  Tipo        TEXT,
  Importo     REAL,
  Descrizione TEXT
);
