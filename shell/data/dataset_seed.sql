-- First values of the settings database. Pwd is "0" (no password) scrambled with the key VQ.
INSERT INTO Settaggi (CapitaleIniziale, CapitalGain, SLMM, SLP, Pwd, Tip, Benvenuto, Clock, Menu, Icone32, IconeName, ApriUltimo)
VALUES (10000, 26, 300, 5, '2A C', 1, 1, 1, 1, 1, 1, '0');

-- Background RGB(236,240,245), text RGB(20,40,80), hands RGB(0,0,128).
INSERT INTO Colori (ColoreSfondo, ColoreTesto, ClockLancette)
VALUES (236 + 240 * 256 + 245 * 65536, 20 + 40 * 256 + 80 * 65536, 128 * 65536);

INSERT INTO System (Cod, Descrizione, Commissioni, CommissioniMin) VALUES
  ('WEB', 'Banca online: 1,9 per mille del controvalore, minimo 2,95 euro per eseguito', 1.9, 2.95),
  ('FIX', 'Commissione fissa di 9 euro per eseguito', 0, 9);

INSERT INTO ErroriDefault (Cod, Descrizione, Note, Contatore, Importo) VALUES
  ('NE', 'Nessun errore', 'Operazione eseguita secondo il piano', 0, 0),
  ('EA', 'Entrata anticipata', 'Acquisto prima del segnale previsto dal sistema', 0, 0),
  ('ER', 'Entrata in ritardo', 'Acquisto dopo il segnale, a un prezzo peggiore', 0, 0),
  ('UA', 'Uscita anticipata', 'Vendita prima del segnale: guadagno lasciato sul mercato', 0, 0),
  ('UR', 'Uscita in ritardo', 'Vendita dopo il segnale, a un prezzo peggiore', 0, 0),
  ('SL', 'Stop loss non rispettato', 'Perdita lasciata correre oltre lo stop stabilito', 0, 0),
  ('SP', 'Posizione sovradimensionata', 'Quantita'' superiore a quella consentita dalla gestione del rischio', 0, 0),
  ('CT', 'Operazione contro trend', 'Acquisto in un mercato chiaramente ribassista', 0, 0),
  ('NP', 'Operazione non pianificata', 'Eseguito d''impulso, senza un piano di entrata e di uscita', 0, 0),
  ('MP', 'Media in perdita', 'Acquisto aggiuntivo per abbassare il prezzo di carico di una posizione in perdita', 0, 0),
  ('EM', 'Decisione emotiva', 'Paura o avidita'' hanno prevalso sulle regole', 0, 0);

INSERT INTO Errori SELECT * FROM ErroriDefault;
