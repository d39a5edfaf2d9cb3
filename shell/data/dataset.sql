-- Settings database DataSet.gvx: shared by every portfolio.
PRAGMA application_id = 1112949843; -- "BVDS"
PRAGMA user_version = 1;

-- Exactly one row; every write is an UPDATE without WHERE.
CREATE TABLE Settaggi (
  CapitaleIniziale REAL,
  CapitalGain      REAL,
  SLMM             REAL,
  SLP              REAL,
  Pwd              TEXT,
  Tip              INTEGER,
  Benvenuto        INTEGER,
  Clock            INTEGER,
  Menu             INTEGER,
  Icone32          INTEGER,
  IconeName        INTEGER,
  ApriUltimo       TEXT
);

-- Colours are 24-bit values with red in the low byte.
CREATE TABLE Colori (
  ColoreSfondo  INTEGER,
  ColoreTesto   INTEGER,
  ClockLancette INTEGER
);

CREATE TABLE System (
  Cod            TEXT,
  Descrizione    TEXT,
  Commissioni    REAL,   -- per mille of the traded amount
  CommissioniMin REAL    -- minimum per trade leg
);

CREATE TABLE Errori (
  Cod         TEXT CHECK (length(Cod) <= 2),
  Descrizione TEXT,
  Note        TEXT,
  Contatore   INTEGER DEFAULT 0,
  Importo     REAL DEFAULT 0
);

-- Same columns in the same order as Errori: restored with INSERT ... SELECT *.
CREATE TABLE ErroriDefault (
  Cod         TEXT CHECK (length(Cod) <= 2),
  Descrizione TEXT,
  Note        TEXT,
  Contatore   INTEGER DEFAULT 0,
  Importo     REAL DEFAULT 0
);

CREATE TABLE Consiglio (
  Consiglio TEXT
);
