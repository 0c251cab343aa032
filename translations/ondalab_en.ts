<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>FRMONDALAB</name>
    <message>
        <source>SEI SICURO ?</source>
        <translation>ARE YOU SURE?</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>NOTICE</translation>
    </message>
</context>
<context>
    <name>frmAntAcc</name>
    <message>
        <source>Lunghezza del radiatore in mt.</source>
        <translation>Radiator length in m</translation>
    </message>
    <message>
        <source>lunghezza dell&apos;antenna che si prevede di adottare</source>
        <translation>intended antenna length</translation>
    </message>
    <message>
        <source>Diametro medio radiatore in cm.</source>
        <translation>Mean radiator diameter in cm</translation>
    </message>
    <message>
        <source>Inserimento dati per calcolo numero spire</source>
        <translation>Data for the number of turns</translation>
    </message>
    <message>
        <source>Lunghezza bobina in cm.</source>
        <translation>Coil length in cm</translation>
    </message>
    <message>
        <source>è preferibile sia più lunga del diametro</source>
        <translation>best longer than the diameter</translation>
    </message>
    <message>
        <source>inserire dato compatibile con il diametro della bobina e la sez. del filo</source>
        <translation>enter a value that suits the coil diameter and wire size</translation>
    </message>
    <message>
        <source>Diametro bobina in cm.</source>
        <translation>Coil diameter in cm</translation>
    </message>
    <message>
        <source>inserire dato compatibile con la lunghezza della bobina e la sezione del filo</source>
        <translation>enter a value that suits the coil length and wire size</translation>
    </message>
    <message>
        <source>Frequenza in MHz.</source>
        <translation>Frequency in MHz</translation>
    </message>
    <message>
        <source>frequenza di utilizzo dell&apos;antenna</source>
        <translation>antenna operating frequency</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>PRINT</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>NOTICE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>radiatore</source>
        <translation>radiator</translation>
    </message>
    <message>
        <source>bobina di carico</source>
        <translation>loading coil</translation>
    </message>
    <message>
        <source>alimentazione</source>
        <translation>supply</translation>
    </message>
    <message>
        <source>Radiatore accorciato con carico induttivo nel punto di alimentazione</source>
        <translation>Shortened radiator with inductive loading at the feed point</translation>
    </message>
    <message>
        <source>L&apos;ANTENNA NON RICHIEDE BOBINA</source>
        <translation>ANTENNA NEEDS NO COIL</translation>
    </message>
    <message>
        <source>Gradi elettrici : %1</source>
        <translation>Electrical degrees : %1</translation>
    </message>
    <message>
        <source>Resistenza di radiazione Ohm : %1</source>
        <translation>Radiation resistance Ohm : %1</translation>
    </message>
    <message>
        <source>Impedenza del radiatore Ohm : %1</source>
        <translation>Radiator impedance Ohm : %1</translation>
    </message>
    <message>
        <source>Reattanza induttiva Ohm : %1</source>
        <translation>Inductive reactance Ohm : %1</translation>
    </message>
    <message>
        <source>Induttanza bobina microH : %1</source>
        <translation>Coil inductance µH : %1</translation>
    </message>
    <message>
        <source>numero spire occorrenti : %1</source>
        <translation>turns required : %1</translation>
    </message>
</context>
<context>
    <name>frmCircuitiRLC</name>
    <message>
        <source>TENSIONE IN ANTICIPO SULLA CORRENTE</source>
        <translation>VOLTAGE LEADS CURRENT</translation>
    </message>
    <message>
        <source>CONDIZIONE DI RISONANZA</source>
        <translation>AT RESONANCE</translation>
    </message>
    <message>
        <source>TENSIONE IN RITARDO SULLA CORRENTE</source>
        <translation>VOLTAGE LAGS CURRENT</translation>
    </message>
    <message>
        <source>CONOSCENDO IL VALORE DELLA RESISTENZA, DELL&apos; INDUTTANZA, DELLA CAPACITA&apos; E DELLA FREQUENZA, SI PUO&apos; RICAVARE IL VALORE DELL&apos; IMPEDENZA TOTALE DEL CIRCUITO</source>
        <translation>FROM THE RESISTANCE, THE INDUCTANCE, THE CAPACITANCE AND THE FREQUENCY, THE TOTAL IMPEDANCE OF THE CIRCUIT CAN BE FOUND</translation>
    </message>
    <message>
        <source>RESISTENZA in Ohm :</source>
        <translation>RESISTANCE in Ohm :</translation>
    </message>
    <message>
        <source>CAPACITA&apos; in pF :</source>
        <translation>CAPACITANCE in pF :</translation>
    </message>
    <message>
        <source>campo obbligato</source>
        <translation>required field</translation>
    </message>
    <message>
        <source>INDUTTANZA in microH :</source>
        <translation>INDUCTANCE in µH :</translation>
    </message>
    <message>
        <source>FREQUENZA in MHz :</source>
        <translation>FREQUENCY in MHz :</translation>
    </message>
    <message>
        <source>R L C in serie</source>
        <translation>R L C in series</translation>
    </message>
    <message>
        <source>R L C in parallelo</source>
        <translation>R L C in parallel</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>CALCOLA IL VALORE DELL&apos;IMPEDENZA</source>
        <translation>CALCULATE THE IMPEDANCE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>ESCE DALL&apos;APPLICAZIONE</source>
        <translation>CLOSES THIS WINDOW</translation>
    </message>
    <message>
        <source>CALCOLO IMPEDENZA DI CIRCUITI CON R L C</source>
        <translation>IMPEDANCE OF R L C CIRCUITS</translation>
    </message>
    <message>
        <source>REATTANZA INDUTTIVA = %1 OHM</source>
        <translation>INDUCTIVE REACTANCE = %1 OHM</translation>
    </message>
    <message>
        <source>REATTANZA CAPACITIVA = %1 OHM</source>
        <translation>CAPACITIVE REACTANCE = %1 OHM</translation>
    </message>
    <message>
        <source>REATTANZA TOTALE = %1 OHM</source>
        <translation>TOTAL REACTANCE = %1 OHM</translation>
    </message>
    <message>
        <source>IMPEDENZA TOT. SERIE = %1 OHM</source>
        <translation>TOT. SERIES IMPEDANCE = %1 OHM</translation>
    </message>
    <message>
        <source>IMPEDENZA TOT. PARALLELO = %1 OHM</source>
        <translation>TOT. PARALLEL IMPEDANCE = %1 OHM</translation>
    </message>
    <message>
        <source>LO SFASAMENTO E&apos; DI : %1 gradi</source>
        <translation>PHASE ANGLE IS : %1 degrees</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>frmadattatori</name>
    <message>
        <source>UN ADATTATORE D&apos; IMPEDENZA CONSENTE DI UTILIZZARE UNA LINEA DI ALIMENTAZIONE CON IMPEDENZA CARATTERISTICA DIVERSA DA QUELLA DELL&apos;ANTENNA NEL PUNTO DI COLLEGAMENTO.</source>
        <translation>A MATCHING SECTION LETS A FEED LINE BE USED WHOSE CHARACTERISTIC IMPEDANCE DIFFERS FROM THAT OF THE ANTENNA AT THE FEED POINT.</translation>
    </message>
    <message>
        <source>UN POSSIBILE ADATTATORE E&apos; QUELLO CON LINEA AD UN QUARTO D&apos; ONDA,  COSTITUITO DA UN TRATTO DI LINEA DI LUNGHEZZA PARI ALLA QUARTA PARTE DELLA LUNGHEZZA D&apos;ONDA DI TRASMISSIONE.</source>
        <translation>ONE SUCH MATCHING SECTION IS THE QUARTER-WAVE LINE,  A LENGTH OF LINE ONE QUARTER OF THE TRANSMITTED WAVELENGTH LONG.</translation>
    </message>
    <message>
        <source>IL TRATTO AGGIUNTIVO PUO&apos; CONSISTERE IN UNA LINEA BIFILARE O PIU&apos; COMODAMENTE IN UNO SPEZZONE DI CAVO COASSIALE, DI IMPEDENZA CARATTERISTICA NOTA E SEMPRE DI LUNGHEZZA PARI AD UN QUARTO D&apos; ONDA.</source>
        <translation>THE ADDED SECTION MAY BE A TWO-WIRE LINE OR, MORE CONVENIENTLY, A LENGTH OF COAXIAL CABLE OF KNOWN CHARACTERISTIC IMPEDANCE, ALWAYS A QUARTER WAVE LONG.</translation>
    </message>
    <message>
        <source>Cavo coassiale</source>
        <translation>Coaxial cable</translation>
    </message>
    <message>
        <source>50 Ohm di impedenza caratteristica</source>
        <translation>50 Ohm characteristic impedance</translation>
    </message>
    <message>
        <source>75 Ohm di impedenza caratteristica</source>
        <translation>75 Ohm characteristic impedance</translation>
    </message>
    <message>
        <source>FREQUENZA DI UTILIZZO IN  MHz  : </source>
        <translation>OPERATING FREQUENCY IN  MHz  : </translation>
    </message>
    <message>
        <source>IMPEDENZA ANTENNA IN OHM : </source>
        <translation>ANTENNA IMPEDANCE IN OHM : </translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>ADATTAMENTO D&apos; IMPEDENZA</source>
        <translation>IMPEDANCE MATCHING</translation>
    </message>
    <message>
        <source>IMPEDENZA DELL&apos;ADATTATORE : OHM  %1</source>
        <translation>MATCHING SECTION IMPEDANCE : OHM  %1</translation>
    </message>
    <message>
        <source>LUNGHEZZA DELLO SPEZZONE mt. : %1</source>
        <translation>SECTION LENGTH m : %1</translation>
    </message>
</context>
<context>
    <name>frmantcoaxmulti</name>
    <message>
        <source>usa TAB per spostarti</source>
        <translation>press TAB to move</translation>
    </message>
    <message>
        <source>Si impostano le frequenze di lavoro, il diametro del supporto bobina, e, per approssimazione, il numero delle spire.   La frequenza di risonanza della bobina dovrebbe coincidere con la frequenza di lavoro più alta, se da questa si discosta sensibilmente, occorre variare o il numero delle spire o il diametro del supporto. Inoltre il diametro della bobina dovrebbe essere superiore, anche del doppio, della lunghezza della bobina stessa.</source>
        <translation>Enter the operating frequencies, the coil former diameter and, by trial, the number of turns.   The coil&apos;s resonant frequency should match the higher operating frequency; if it differs much, change the number of turns or the former diameter. The coil diameter should also exceed the coil length, even by twice.</translation>
    </message>
    <message>
        <source>SELEZIONA UN TIPO DI CAVO</source>
        <translation>CHOOSE A CABLE TYPE</translation>
    </message>
    <message>
        <source>RG 174U</source>
        <translation>RG 174U</translation>
    </message>
    <message>
        <source>RG 58</source>
        <translation>RG 58</translation>
    </message>
    <message>
        <source>FREQUENZA PIU&apos; ALTA IN MHz</source>
        <translation>HIGHER FREQUENCY IN MHz</translation>
    </message>
    <message>
        <source>FREQUENZA PIU&apos; BASSA IN MHz</source>
        <translation>LOWER FREQUENCY IN MHz</translation>
    </message>
    <message>
        <source>DIAMETRO DEL SUPPORTO BOBINA in cm.</source>
        <translation>COIL FORMER DIAMETER in cm</translation>
    </message>
    <message>
        <source>NUMERO SPIRE DELLA BOBINA IN CAVO COAX</source>
        <translation>TURNS OF THE COAX CABLE COIL</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>NOTICE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>LA CALZA DEL CAVO COAX DEVE ESSERE COLLEGATA AL BRACCIO &quot;A&quot; DEL DIPOLO</source>
        <translation>THE COAX BRAID MUST GO TO ARM &quot;A&quot; OF THE DIPOLE</translation>
    </message>
    <message>
        <source>punto di alimentazione antenna</source>
        <translation>antenna feed point</translation>
    </message>
    <message>
        <source>discesa</source>
        <translation>feed</translation>
    </message>
    <message>
        <source>bobina</source>
        <translation>coil</translation>
    </message>
    <message>
        <source>trappola di blocco</source>
        <translation>trap</translation>
    </message>
    <message>
        <source>  A</source>
        <translation>  A</translation>
    </message>
    <message>
        <source>lungh.del tratto corispondente alla fr. più alta</source>
        <translation>len. of the section for the higher freq.</translation>
    </message>
    <message>
        <source>  B</source>
        <translation>  B</translation>
    </message>
    <message>
        <source>lungh.del radiatore vert. o del semidipolo</source>
        <translation>len. of vert. radiator or half-dipole</translation>
    </message>
    <message>
        <source>ANTENNA MULTIGAMMA CON TRAPPOLE IN CAVO COASSIALE</source>
        <translation>MULTIBAND ANTENNA WITH COAX TRAPS</translation>
    </message>
    <message>
        <source>la capacità è pF: %1</source>
        <translation>capacitance is pF: %1</translation>
    </message>
    <message>
        <source>L&apos;impedenza è uH : %1</source>
        <translation>Inductance is µH : %1</translation>
    </message>
    <message>
        <source> LA BOBINA RISUONA A MHz: %1</source>
        <translation> COIL RESONATES AT MHz: %1</translation>
    </message>
    <message>
        <source> IL RAPPORTO DIAMETRO/LUNGHEZZA E&apos; = %1</source>
        <translation> DIAMETER/LENGTH RATIO = %1</translation>
    </message>
    <message>
        <source> LA LUNGHEZZA DEL BRACCIO &apos;A&apos; E&apos; MT: %1</source>
        <translation> LENGTH OF ARM &apos;A&apos;, m: %1</translation>
    </message>
    <message>
        <source> LA LUNGHEZZA DEL BRACCIO &apos;B&apos; E&apos; MT: %1</source>
        <translation> LENGTH OF ARM &apos;B&apos;, m: %1</translation>
    </message>
    <message>
        <source> OCCORRONO cm. %1 DI CAVO COASSIALE</source>
        <translation> YOU NEED cm %1 OF COAXIAL CABLE</translation>
    </message>
</context>
<context>
    <name>frmantenna58</name>
    <message>
        <source>50 Mcs</source>
        <translation>50 MHz</translation>
    </message>
    <message>
        <source>340 cm.</source>
        <translation>340 cm</translation>
    </message>
    <message>
        <source>143 cm.</source>
        <translation>143 cm</translation>
    </message>
    <message>
        <source>RADIATORE cm. 340     DIAMETRO 20 mm.</source>
        <translation>RADIATOR cm 340     DIAMETER 20 mm</translation>
    </message>
    <message>
        <source>N. 4 RADIALI cm. 143     DIAMETRO 5 mm.</source>
        <translation>4 RADIALS cm 143     DIAMETER 5 mm</translation>
    </message>
    <message>
        <source>BOBINA n.9 spire 2 mm. su diametro 3 cm. lunga 3 cm.</source>
        <translation>COIL 9 turns 2 mm on 3 cm diameter, 3 cm long</translation>
    </message>
    <message>
        <source>9 sp.</source>
        <translation>9 turns</translation>
    </message>
    <message>
        <source>145 Mcs</source>
        <translation>145 MHz</translation>
    </message>
    <message>
        <source>120 cm.</source>
        <translation>120 cm</translation>
    </message>
    <message>
        <source>50 cm.</source>
        <translation>50 cm</translation>
    </message>
    <message>
        <source>RADIATORE cm. 120     DIAMETRO 10 mm.</source>
        <translation>RADIATOR cm 120     DIAMETER 10 mm</translation>
    </message>
    <message>
        <source>N. 4 RADIALI cm. 50     DIAMETRO 5 mm.</source>
        <translation>4 RADIALS cm 50     DIAMETER 5 mm</translation>
    </message>
    <message>
        <source>BOBINA n.5 spire 2 mm. su diametro 2 cm. lunga 2 cm.</source>
        <translation>COIL 5 turns 2 mm on 2 cm diameter, 2 cm long</translation>
    </message>
    <message>
        <source>5 sp.</source>
        <translation>5 turns</translation>
    </message>
    <message>
        <source>433 Mcs</source>
        <translation>433 MHz</translation>
    </message>
    <message>
        <source>42 cm.</source>
        <translation>42 cm</translation>
    </message>
    <message>
        <source>17 cm.</source>
        <translation>17 cm</translation>
    </message>
    <message>
        <source>RADIATORE cm. 42     DIAMETRO 6 mm.</source>
        <translation>RADIATOR cm 42     DIAMETER 6 mm</translation>
    </message>
    <message>
        <source>N. 4 RADIALI cm. 17     DIAMETRO 5 mm.</source>
        <translation>4 RADIALS cm 17     DIAMETER 5 mm</translation>
    </message>
    <message>
        <source>BOBINA n.2 spire 2 mm. su diametro 1.5 cm. lunga 2 cm.</source>
        <translation>COIL 2 turns 2 mm on 1.5 cm diameter, 2 cm long</translation>
    </message>
    <message>
        <source>2 sp.</source>
        <translation>2 turns</translation>
    </message>
    <message>
        <source>Banda</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>selezionare una frequenza</source>
        <translation>choose a frequency</translation>
    </message>
    <message>
        <source>radiatore</source>
        <translation>radiator</translation>
    </message>
    <message>
        <source>bobina</source>
        <translation>coil</translation>
    </message>
    <message>
        <source>radiali</source>
        <translation>radials</translation>
    </message>
    <message>
        <source>IN  FASE  DI  REALIZZAZIONE  AGIRE SULLA LUNGHEZZA DEL RADIATORE PER  IL  MIGLIOR  ADATTAMENTO</source>
        <translation>WHEN  BUILDING  IT,  ADJUST THE RADIATOR LENGTH FOR  BEST  MATCH</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>  ANTENNA VERTICALE 5/8 LAMBDA</source>
        <translation>  5/8 WAVE VERTICAL ANTENNA</translation>
    </message>
</context>
<context>
    <name>frmantennaJ</name>
    <message>
        <source>IL DIAMETRO DEGLI ELEMENTI PUO&apos; ESSERE 10 mm.</source>
        <translation>THE ELEMENTS MAY BE 10 mm IN DIAMETER</translation>
    </message>
    <message>
        <source>IL DIAMETRO DEGLI ELEMENTI PUO&apos; ESSERE 10/15 mm.</source>
        <translation>THE ELEMENTS MAY BE 10/15 mm IN DIAMETER</translation>
    </message>
    <message>
        <source>IL DIAMETRO DEGLI ELEMENTI PUO&apos; ESSERE 20 mm.</source>
        <translation>THE ELEMENTS MAY BE 20 mm IN DIAMETER</translation>
    </message>
    <message>
        <source>INSERISCI LA FREQUENZA IN MHz.</source>
        <translation>ENTER THE FREQUENCY IN MHz</translation>
    </message>
    <message>
        <source>separare i decimali con il punto</source>
        <translation>use the point for decimals</translation>
    </message>
    <message>
        <source>radiatore</source>
        <translation>radiator</translation>
    </message>
    <message>
        <source>coax 50 ohm</source>
        <translation>coax 50 ohm</translation>
    </message>
    <message>
        <source>PER IL MINIMO ROS SPOSTARE IL PUNTO DI ALIMENTAZIONE E AGIRE SULLA LUNGHEZZA DEGLI ELEMENTI</source>
        <translation>FOR LOWEST SWR MOVE THE FEED POINT AND ADJUST THE ELEMENT LENGTHS</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>ANTENNA VERTICALE J</source>
        <translation>J-POLE VERTICAL ANTENNA</translation>
    </message>
    <message>
        <source>MANCA DATO</source>
        <translation>VALUE MISSING</translation>
    </message>
    <message>
        <source> cm.</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>cm. </source>
        <translation>cm </translation>
    </message>
    <message>
        <source>linea</source>
        <translation>stub</translation>
    </message>
</context>
<context>
    <name>frmantmultigamma</name>
    <message>
        <source>IL PROCEDIMENTO PUO&apos; ESSERE APPLICATO TANTO AD UN RADIATORE VERTICALE CHE AD UN DIPOLO DI CUI,  PER PRATICITA&apos;,   VIENE RAPPRESENTATO SOLO UN BRACCIO;  L&apos; ALTRO SI INTENDE IDENTICO</source>
        <translation>THE METHOD APPLIES TO A VERTICAL RADIATOR AS WELL AS TO A DIPOLE, OF WHICH,  FOR SIMPLICITY,   ONLY ONE ARM IS SHOWN;  THE OTHER IS THE SAME</translation>
    </message>
    <message>
        <source>Dati conosciuti</source>
        <translation>Known values</translation>
    </message>
    <message>
        <source>effettuare una scelta</source>
        <translation>make a choice</translation>
    </message>
    <message>
        <source>E&apos; NOTA LA CAPACITA&apos;</source>
        <translation>CAPACITANCE KNOWN</translation>
    </message>
    <message>
        <source>E&apos; NOTA L&apos; INDUTTANZA</source>
        <translation>INDUCTANCE KNOWN</translation>
    </message>
    <message>
        <source>FREQUENZA PIU&apos; ALTA in MHz</source>
        <translation>HIGHER FREQUENCY in MHz</translation>
    </message>
    <message>
        <source>FREQUENZA PIU&apos; BASSA in MHz</source>
        <translation>LOWER FREQUENCY in MHz</translation>
    </message>
    <message>
        <source>oltre alle due frequenze per cui si intende costruire l&apos;antenna, occorre siano note o l&apos;induttanza della bobina o la capacità del condensatore da porre in parallelo (normalmente 10 o 20 pF)</source>
        <translation>besides the two frequencies the antenna is for, either the coil inductance or the capacitance of the capacitor across it (usually 10 or 20 pF) must be known</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>NOTICE</translation>
    </message>
    <message>
        <source>costruzione della bobina</source>
        <translation>coil construction</translation>
    </message>
    <message>
        <source>procedura  per la costruzione della bobina</source>
        <translation>procedure  for building the coil</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>torna alla maschera principale</source>
        <translation>back to the main window</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>trappola di blocco</source>
        <translation>trap</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>condensatore in parallelo alla bobina</source>
        <translation>capacitor across the coil</translation>
    </message>
    <message>
        <source>coax</source>
        <translation>coax</translation>
    </message>
    <message>
        <source>punto di alimentazione radiatore</source>
        <translation>radiator feed point</translation>
    </message>
    <message>
        <source>  A</source>
        <translation>  A</translation>
    </message>
    <message>
        <source>lungh.del tratto corispondente alla fr. più alta</source>
        <translation>len. of the section for the higher freq.</translation>
    </message>
    <message>
        <source>  B</source>
        <translation>  B</translation>
    </message>
    <message>
        <source>lungh.del radiatore vert. o del semidipolo</source>
        <translation>len. of vert. radiator or half-dipole</translation>
    </message>
    <message>
        <source>ANTENNA MULTIGAMMA TRAPPOLATA</source>
        <translation>MULTIBAND TRAP ANTENNA</translation>
    </message>
    <message>
        <source>CAPACITA&apos; in pFARAD </source>
        <translation>CAPACITANCE in pF </translation>
    </message>
    <message>
        <source>INDUTTANZA in microH </source>
        <translation>INDUCTANCE in µH </translation>
    </message>
    <message>
        <source>La lunghezza del tratto A è di mt. : %1</source>
        <translation>Length of section A, m : %1</translation>
    </message>
    <message>
        <source>La lunghezza del tratto B è di mt. : %1</source>
        <translation>Length of section B, m : %1</translation>
    </message>
    <message>
        <source>L&apos;induttanza della bobina è microH : %1</source>
        <translation>Coil inductance, µH : %1</translation>
    </message>
    <message>
        <source>La capacità del condensatore è pF : %1</source>
        <translation>Capacitance of the capacitor, pF : %1</translation>
    </message>
</context>
<context>
    <name>frmattenuatorires</name>
    <message>
        <source>messaggio di errore</source>
        <translation>error message</translation>
    </message>
    <message>
        <source>inserire i dati</source>
        <translation>enter the data</translation>
    </message>
    <message>
        <source>IMPEDENZA D&apos; INGRESSO in OHM</source>
        <translation>INPUT IMPEDANCE in OHM</translation>
    </message>
    <message>
        <source>IMPEDENZA D&apos; USCITA in OHM</source>
        <translation>OUTPUT IMPEDANCE in OHM</translation>
    </message>
    <message>
        <source>ATTENUAZIONE DESIDERATA in DB</source>
        <translation>WANTED ATTENUATION in dB</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>L&apos;IMPEDENZA D&apos; INGRESSO DEVE ESSERE MAGGIORE O UGUALE ALL&apos;IMPEDENZA D&apos; USCITA  QUANDO E&apos; UGUALE NON SI HANNO PERDITE D&apos; INSERZIONE</source>
        <translation>THE INPUT IMPEDANCE MUST BE GREATER THAN OR EQUAL TO THE OUTPUT IMPEDANCE;  WHEN EQUAL THERE IS NO INSERTION LOSS</translation>
    </message>
    <message>
        <source>RETE a T</source>
        <translation>T NETWORK</translation>
    </message>
    <message>
        <source>RETE a P GRECO</source>
        <translation>PI NETWORK</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>R3</source>
        <translation>R3</translation>
    </message>
    <message>
        <source>R1  </source>
        <translation>R1  </translation>
    </message>
    <message>
        <source>R2  </source>
        <translation>R2  </translation>
    </message>
    <message>
        <source>ATTENUATORI RESISTIVI</source>
        <translation>RESISTIVE ATTENUATORS</translation>
    </message>
    <message>
        <source>IMPEDENZA IN &lt; IMPEDENZA OUT</source>
        <translation>IMPEDANCE IN &lt; IMPEDANCE OUT</translation>
    </message>
    <message>
        <source>DATI NON CONGRUI</source>
        <translation>INCONSISTENT DATA</translation>
    </message>
    <message>
        <source>PERDITA D&apos;INSERZIONE %1 dB</source>
        <translation>INSERTION LOSS %1 dB</translation>
    </message>
</context>
<context>
    <name>frmbalunchoke</name>
    <message>
        <source>BANDA              RG 58   mt.      spire                  RG 213   mt.        spire</source>
        <translation>BAND               RG 58    m       turns                  RG 213    m        turns</translation>
    </message>
    <message>
        <source>Normalmente in un cavo coassiale le correnti dovrebbero scorrere in opposizione di fase lungo il conduttore interno e la superficie esterna della calza. In condizioni di sbilanciamento (frequenti in pratica) si viene a creare una corrente che interessa la superficie esterna della calza con irradiazione di segnale e produzione di TVI.</source>
        <translation>In a coaxial cable the currents should flow in opposite phase along the inner conductor and the braid. When the line is unbalanced (common in practice) a current flows on the outer surface of the braid, which radiates and causes TVI.</translation>
    </message>
    <message>
        <source>Il rimedio più semplice per tentare di bloccare questa corrente indesiderata, consiste nel realizzare - nel punto di alimentazione dell&apos;antenna - una bobina avvolgendo strettamente alcune spire costituite dallo stesso cavo coassiale. Premesso che l&apos;efficienza diminuisce nelle bande basse, seguono i dati consigliati dalla ARRL.</source>
        <translation>The simplest way to block this unwanted current is to wind a few close turns of the coaxial cable itself into a coil at the antenna feed point. Efficiency falls on the low bands; below are the figures the ARRL recommends.</translation>
    </message>
    <message>
        <source>PER UN LARGA BANDA DA 80 A 10 MT CIRCA  7 SPIRE CON 3 MT</source>
        <translation>FOR BROADBAND 80 TO 10 m, ABOUT  7 TURNS WITH 3 m</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>BALUN  CHOKE</source>
        <translation>BALUN  CHOKE</translation>
    </message>
</context>
<context>
    <name>frmbobine</name>
    <message>
        <source>induttanza in uH :</source>
        <translation>inductance in µH :</translation>
    </message>
    <message>
        <source>numero di spire :</source>
        <translation>number of turns :</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Opzioni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Trovare il numero delle spire</source>
        <translation>Find the number of turns</translation>
    </message>
    <message>
        <source>Trovare il valore dell&apos;Induttanza</source>
        <translation>Find the inductance</translation>
    </message>
    <message>
        <source>diametro interno in millimetri</source>
        <translation>inner diameter in millimetres</translation>
    </message>
    <message>
        <source>diametro del supporto</source>
        <translation>former diameter</translation>
    </message>
    <message>
        <source>calcolato al centro spira</source>
        <translation>measured at the wire centre</translation>
    </message>
    <message>
        <source>lunghezza bobina  in millimetri</source>
        <translation>coil length  in millimetres</translation>
    </message>
    <message>
        <source>digitare un dato compatibile con la sezione del filo</source>
        <translation>enter a value that suits the wire size</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Le bobine si intendono monostrato senza schermo e senza nucleo. Il massimo Q si ottiene con un rapporto L/D circa = 2. I valori ottenuti sono teorici e si discosteranno sempre di più da quelli reali con l&apos;aumentare della frequenza, in particolare oltre i 30/40 MHz.</source>
        <translation>The coils are single-layer, unshielded and air-core. The highest Q comes with a ratio L/D of about 2. The values are theoretical and depart more and more from real ones as the frequency rises, above all beyond 30/40 MHz.</translation>
    </message>
    <message>
        <source>La formula adottata è quella proposta dal &quot;The Radio Amateur&apos;s Hand Book ARRL&quot; ed è indipendente dal diametro del conduttore</source>
        <translation>The formula is the one given in &quot;The Radio Amateur&apos;s Handbook ARRL&quot; and does not depend on the conductor diameter</translation>
    </message>
    <message>
        <source>La lunghezza della bobina deve essere compatibile con la sezione del conduttore</source>
        <translation>The coil length must suit the wire size</translation>
    </message>
    <message>
        <source>CALCOLO BOBINE MONOSTRATO IN ARIA PER STADI NON DI POTENZA</source>
        <translation>SINGLE-LAYER AIR-CORE COILS FOR LOW-POWER STAGES</translation>
    </message>
    <message>
        <source>numero di spire  :   %1 in aria</source>
        <translation>number of turns  :   %1 in air</translation>
    </message>
    <message>
        <source>lunghezza del filo: %1 cm.</source>
        <translation>wire length: %1 cm</translation>
    </message>
    <message>
        <source>microHenry :   %1</source>
        <translation>µH :   %1</translation>
    </message>
    <message>
        <source>lunghezza del filo : %1 cm.</source>
        <translation>wire length : %1 cm</translation>
    </message>
</context>
<context>
    <name>frmbobineuhf</name>
    <message>
        <source>Nel campo delle UHF possono essere realizzati induttori costituiti da un conduttore parallelo al piano di terra cui sono collegati ad un estremo</source>
        <translation>At UHF an inductor can be a conductor parallel to the ground plane, connected to it at one end</translation>
    </message>
    <message>
        <source>Inserimento dati</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>Diametro del conduttore in mm.</source>
        <translation>Conductor diameter in mm</translation>
    </message>
    <message>
        <source>Lunghezza del conduttore in mm.</source>
        <translation>Conductor length in mm</translation>
    </message>
    <message>
        <source>Distanza dal piano di terra in mm.</source>
        <translation>Height above ground plane in mm</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>Bobine adatte per  uso in UHF</source>
        <translation>Coils for  UHF use</translation>
    </message>
    <message>
        <source>Induttanza in microH : = %1</source>
        <translation>Inductance in µH : %1</translation>
    </message>
</context>
<context>
    <name>frmcappello</name>
    <message>
        <source>CORRISPONDE A GRADI ELETTRICI : </source>
        <translation>EQUALS ELECTRICAL DEGREES : </translation>
    </message>
    <message>
        <source>IMPEDENZA DEL RADIATORE Ohm : </source>
        <translation>RADIATOR IMPEDANCE Ohm : </translation>
    </message>
    <message>
        <source>REATTANZA CAPACITIVA Ohm : </source>
        <translation>CAPACITIVE REACTANCE Ohm : </translation>
    </message>
    <message>
        <source>CAPACITA&apos; RICHIESTA in pF : </source>
        <translation>CAPACITANCE NEEDED in pF : </translation>
    </message>
    <message>
        <source>DIAMETRO DEL CAPPELLO in cm. : </source>
        <translation>HAT DIAMETER in cm : </translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Inserimento dati</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>LUNGHEZZA DEL RADIATORE VERT.in mt.</source>
        <translation>VERT. RADIATOR LENGTH in m</translation>
    </message>
    <message>
        <source>DIAMETRO MEDIO DEL RADIATORE in cm.</source>
        <translation>MEAN RADIATOR DIAMETER in cm</translation>
    </message>
    <message>
        <source>FREQUENZA DI LAVORO in Mhz</source>
        <translation>OPERATING FREQUENCY in MHz</translation>
    </message>
    <message>
        <source>le antenne dotate di carico capacitivo sono generalmente più efficienti rispetto a quelle con carico induttivo ed inoltre risentono meno della diminuzione dell&apos;impedenza di alimentazione</source>
        <translation>antennas with capacitive loading are generally more efficient than those with inductive loading and suffer less from the drop in feed impedance</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>NOTICE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>CALCOLO DEL CAPPELLO CAPACITVO IN UN RADIATORE VERTICALE</source>
        <translation>CAPACITY HAT FOR A VERTICAL RADIATOR</translation>
    </message>
    <message>
        <source>L&apos;ANTENNA NON RICHIEDE CARICO</source>
        <translation>ANTENNA NEEDS NO LOADING</translation>
    </message>
    <message>
        <source> pF</source>
        <translation> pF</translation>
    </message>
</context>
<context>
    <name>frmcondensatori</name>
    <message>
        <source>picoFarad primo condensatore</source>
        <translation>pF first capacitor</translation>
    </message>
    <message>
        <source>picoFarad secondo condensatore</source>
        <translation>pF second capacitor</translation>
    </message>
    <message>
        <source>separare i decimali con il punto del tastierino</source>
        <translation>use the keypad point for decimals</translation>
    </message>
    <message>
        <source>Capacità risultante  :  </source>
        <translation>Total capacitance  :  </translation>
    </message>
    <message>
        <source> pFarad</source>
        <translation> pF</translation>
    </message>
    <message>
        <source>C 1</source>
        <translation>C 1</translation>
    </message>
    <message>
        <source>C 2</source>
        <translation>C 2</translation>
    </message>
    <message>
        <source>La capacità complessiva di più condensatori in serie è sempre inferiore al valore del più piccolo dei condensatori collegati</source>
        <translation>The total capacitance of several capacitors in series is always lower than the smallest of them</translation>
    </message>
    <message>
        <source>esce dall&apos;applicazione</source>
        <translation>closes this window</translation>
    </message>
    <message>
        <source>CONDENSATORI IN SERIE</source>
        <translation>CAPACITORS IN SERIES</translation>
    </message>
</context>
<context>
    <name>frmcostruzionecondensatori</name>
    <message>
        <source>ARIA</source>
        <translation>AIR</translation>
    </message>
    <message>
        <source>MICA</source>
        <translation>MICA</translation>
    </message>
    <message>
        <source>CELLULOIDE</source>
        <translation>CELLULOID</translation>
    </message>
    <message>
        <source>CERAMICA</source>
        <translation>CERAMIC</translation>
    </message>
    <message>
        <source>VETRONITE</source>
        <translation>GLASS-EPOXY</translation>
    </message>
    <message>
        <source>DIELETTRICO</source>
        <translation>DIELECTRIC</translation>
    </message>
    <message>
        <source>valore della costante dielettrica</source>
        <translation>dielectric constant</translation>
    </message>
    <message>
        <source>E&apos; ormai raro che ci si debba cimentare nella costruzione di condensatori, sia fissi che variabili.  Tuttavia può essere a volte necessario, per esempio nell&apos;ipotesi di realizzazione di antenne EH o trappolate. Conoscendo la superficie e la distanza delle armature si può calcolare la capacità .</source>
        <translation>Building a capacitor, fixed or variable, is rarely needed today.  Sometimes it still is, for example for EH or trap antennas. From the area and the spacing of the plates the capacitance can be calculated.</translation>
    </message>
    <message>
        <source>SUPERFICIE DELL&apos;ARMATURA, OSSIA SEZIONE DEL DIELETTRICO   in cmq</source>
        <translation>PLATE AREA, I.E. DIELECTRIC AREA   in cm²</translation>
    </message>
    <message>
        <source>in centimetri quadri</source>
        <translation>in square centimetres</translation>
    </message>
    <message>
        <source>DISTANZA DELLE ARMATURE, OSSIA SPESSORE DEL DIELETTRICO   in mm</source>
        <translation>PLATE SPACING, I.E. DIELECTRIC THICKNESS   in mm</translation>
    </message>
    <message>
        <source>in millimetri</source>
        <translation>in millimetres</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>Tensione di scarica teorica in aria (secca)</source>
        <translation>Breakdown voltage (theoretical, dry air)</translation>
    </message>
    <message>
        <source>Tensione di scarica</source>
        <translation>Breakdown voltage</translation>
    </message>
    <message>
        <source>1800 V  3000 V  3500 V  4000 V  5000 V</source>
        <translation>1800 V  3000 V  3500 V  4000 V  5000 V</translation>
    </message>
    <message>
        <source>Spaziatura in mm</source>
        <translation>Spacing in mm</translation>
    </message>
    <message>
        <source>COSTRUZIONE CONDENSATORI</source>
        <translation>CAPACITOR CONSTRUCTION</translation>
    </message>
    <message>
        <source>LA CAPACITA&apos; DEL CONDENSATORE E&apos; CIRCA : %1  pF</source>
        <translation>CAPACITANCE IS ABOUT : %1  pF</translation>
    </message>
</context>
<context>
    <name>frmdB</name>
    <message>
        <source>NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA</source>
        <translation>FROM dB, FIND THE VOLTAGE AND POWER RATIOS</translation>
    </message>
    <message>
        <source>DECIBEL</source>
        <translation>DECIBELS</translation>
    </message>
    <message>
        <source>RAPPORTO  in TENSIONE</source>
        <translation>VOLTAGE  RATIO</translation>
    </message>
    <message>
        <source>RAPPORTO in POTENZA</source>
        <translation>POWER RATIO</translation>
    </message>
    <message>
        <source>NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL</source>
        <translation>FROM INPUT AND OUTPUT VOLTAGES, FIND dB</translation>
    </message>
    <message>
        <source>TENSIONE ENTRATA</source>
        <translation>INPUT VOLTAGE</translation>
    </message>
    <message>
        <source>TENSIONE USCITA</source>
        <translation>OUTPUT VOLTAGE</translation>
    </message>
    <message>
        <source>NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL</source>
        <translation>FROM INPUT AND OUTPUT POWERS, FIND dB</translation>
    </message>
    <message>
        <source>POTENZA ENTRATA</source>
        <translation>INPUT POWER</translation>
    </message>
    <message>
        <source>POTENZA USCITA</source>
        <translation>OUTPUT POWER</translation>
    </message>
    <message>
        <source>Il decibel (dB) è un&apos;unità di misura logaritmica che indica il rapporto esistente tra il segnale applicato all&apos;ingresso e il segnale prelevato all&apos;uscita di un dispositivo. Il Decibel può esprimere un guadagno o una attenuazione.</source>
        <translation>The decibel (dB) is a logarithmic unit that gives the ratio between the signal applied to the input of a device and the signal taken from its output. A decibel figure can express a gain or an attenuation.</translation>
    </message>
    <message>
        <source>per separare i decimali usare il punto</source>
        <translation>use the point for decimals</translation>
    </message>
    <message>
        <source> Opzioni di calcolo </source>
        <translation> Calculation options </translation>
    </message>
    <message>
        <source>inserire i dati e cliccare &quot;Calcola&quot;</source>
        <translation>enter the data and click &quot;Calculate&quot;</translation>
    </message>
    <message>
        <source> dopo l&apos;inserimento cliccare su CALCOLA  ---&gt;</source>
        <translation> after entering, click CALCULATE  ---&gt;</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>  Facciamo un esempio </source>
        <translation>  For example </translation>
    </message>
    <message>
        <source>In un dispositivo che presenta un guadagno o una attenuazione di DB :</source>
        <translation>In a device with a gain or an attenuation of dB :</translation>
    </message>
    <message>
        <source>se si applica in ingresso una tensione di  :</source>
        <translation>if a voltage is applied at the input of  :</translation>
    </message>
    <message>
        <source>IL CALCOLO E&apos;  INDIPENDENTE DALL&apos;UNITA&apos; DI MISURA</source>
        <translation>THE RESULT DOES  NOT DEPEND ON THE UNIT</translation>
    </message>
    <message>
        <source>si ottengono in uscita :</source>
        <translation>the output gives :</translation>
    </message>
    <message>
        <source>in guadagno  : </source>
        <translation>as gain  : </translation>
    </message>
    <message>
        <source> in attenuazione  : </source>
        <translation> as attenuation  : </translation>
    </message>
    <message>
        <source>CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE</source>
        <translation>DECIBELS AND SIGNAL RATIOS</translation>
    </message>
    <message>
        <source>SOLO VALORI POSITIVI</source>
        <translation>POSITIVE VALUES ONLY</translation>
    </message>
    <message>
        <source>MASSIMO DB CALCOLABILE = 70</source>
        <translation>MAXIMUM dB = 70</translation>
    </message>
    <message>
        <source>DB di GUADAGNO</source>
        <translation>dB of GAIN</translation>
    </message>
    <message>
        <source>DB di ATTENUAZIONE</source>
        <translation>dB of ATTENUATION</translation>
    </message>
</context>
<context>
    <name>frmdBW</name>
    <message>
        <source>Volt su   50 ohm</source>
        <translation>Volts across 50 ohm</translation>
    </message>
    <message>
        <source>Volt su   75 ohm</source>
        <translation>Volts across 75 ohm</translation>
    </message>
    <message>
        <source>milliVolt su 50 ohm</source>
        <translation>mV across 50 ohm</translation>
    </message>
    <message>
        <source>milliVolt su 75 ohm</source>
        <translation>mV across 75 ohm</translation>
    </message>
    <message>
        <source>Da dBW a Watt</source>
        <translation>dBW to watts</translation>
    </message>
    <message>
        <source>dBW</source>
        <translation>dBW</translation>
    </message>
    <message>
        <source>dBm</source>
        <translation>dBm</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Da dBm a Watt</source>
        <translation>dBm to watts</translation>
    </message>
    <message>
        <source>Da Watt a dBW</source>
        <translation>Watts to dBW</translation>
    </message>
    <message>
        <source>Il dBWatt (dBW) e il dBmilliwatt (dBm) sono unità di misura di un guadagno o di una attenuazione</source>
        <translation>The dBW and the dBm are units of a gain or an attenuation</translation>
    </message>
    <message>
        <source> Opzioni </source>
        <translation> Options </translation>
    </message>
    <message>
        <source>inserisci il valore selezionato</source>
        <translation>enter the chosen value</translation>
    </message>
    <message>
        <source>VOLT SU   50  OHM</source>
        <translation>VOLTS ACROSS 50 OHM</translation>
    </message>
    <message>
        <source>VOLT SU    75  OHM</source>
        <translation>VOLTS ACROSS 75 OHM</translation>
    </message>
    <message>
        <source>calcolabili da da 1 picoWatt a 100 KiloWatt</source>
        <translation>from 1 pW to 100 kW</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>Conversioni dBWatt - dBmilliWatt in Watt</source>
        <translation>dBW - dBm to watts conversion</translation>
    </message>
    <message>
        <source>VALORI da:  - 30 a + 50</source>
        <translation>VALUES from:  - 30 to + 50</translation>
    </message>
    <message>
        <source>VALORI DA: - 90 a + 80</source>
        <translation>VALUES FROM: - 90 to + 80</translation>
    </message>
    <message>
        <source>microWatt</source>
        <translation>µW</translation>
    </message>
    <message>
        <source>NON ESISTONO WATT NEGATIVI</source>
        <translation>WATTS CANNOT BE NEGATIVE</translation>
    </message>
    <message>
        <source>VALORE ECCESSIVO</source>
        <translation>VALUE TOO HIGH</translation>
    </message>
</context>
<context>
    <name>frmdBmicrovolt</name>
    <message>
        <source>da microvolt a dBmicrovolt</source>
        <translation>µV to dBµV</translation>
    </message>
    <message>
        <source>DIGITARE I microvolt</source>
        <translation>ENTER THE µV</translation>
    </message>
    <message>
        <source>CORRISPONDE A dBmicrovolt : </source>
        <translation>EQUALS dBµV : </translation>
    </message>
    <message>
        <source>da dBmicroV a microvolt</source>
        <translation>dBµV to µV</translation>
    </message>
    <message>
        <source>DIGITARE I dBmicrovolt</source>
        <translation>ENTER THE dBµV</translation>
    </message>
    <message>
        <source>CORRISPONDE A microvolt</source>
        <translation>EQUALS µV</translation>
    </message>
    <message>
        <source>NON ESISTONO VALORI NEGATIVI</source>
        <translation>NO NEGATIVE VALUES</translation>
    </message>
    <message>
        <source>Il dB microvolt E&apos; UNA UNITA&apos; DI MISURA, USATA IN CAMPO TELEVISIVO, CHE ESPRIME IL GUADAGNO O L&apos; ATTENUAZIONE IN TENSIONE SU DI UN CARICO DA 75 OHM.</source>
        <translation>The dBµV IS A UNIT, USED IN TELEVISION, THAT EXPRESSES VOLTAGE GAIN OR ATTENUATION ACROSS A 75 OHM LOAD.</translation>
    </message>
    <message>
        <source> Opzioni di calcolo  </source>
        <translation> Calculation options  </translation>
    </message>
    <message>
        <source>usare il punto del tastierino numerico per i decimali</source>
        <translation>use the keypad point for decimals</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>dBmicrovolt RIFERITO AD IMPEDENZE DI 75 Ohm</source>
        <translation>dBµV ACROSS 75 Ohm IMPEDANCES</translation>
    </message>
    <message>
        <source>dBmicroV max = 120</source>
        <translation>dBµV max = 120</translation>
    </message>
</context>
<context>
    <name>frmdipoli</name>
    <message>
        <source>semidipolo 1/4 lambda</source>
        <translation>half-dipole 1/4 wave</translation>
    </message>
    <message>
        <source>FREQUENZA DI CENTRO BANDA IN MHz  :</source>
        <translation>BAND CENTRE FREQUENCY IN MHz  :</translation>
    </message>
    <message>
        <source>frequenza di risonanza dipolo</source>
        <translation>dipole resonant frequency</translation>
    </message>
    <message>
        <source>separare i decimali con il punto del tastierino numerico</source>
        <translation>use the point (on the keypad) for decimals</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>QUALORA SI INTENDA COSTRUIRE IL DIPOLO NELLA VERSIONE A &quot;  V INVERTITA &quot; LA LUNGHEZZA DEL BRACCIO A UN QUARTO D&apos; ONDA SARA&apos; DI METRI :</source>
        <translation>TO BUILD THE DIPOLE AS AN &quot;  INVERTED V &quot;, THE QUARTER-WAVE ARM LENGTH WILL BE, IN METRES :</translation>
    </message>
    <message>
        <source>1/4 lambda</source>
        <translation>1/4 wave</translation>
    </message>
    <message>
        <source>discesa coax</source>
        <translation>coax feed</translation>
    </message>
    <message>
        <source>centrale dipolo</source>
        <translation>dipole centre</translation>
    </message>
    <message>
        <source>LUNGHEZZA DEL BRACCIO DEL DIPOLO</source>
        <translation>DIPOLE ARM LENGTH</translation>
    </message>
    <message>
        <source>LUNGHEZZA DEL BRACCIO in mt.: %1</source>
        <translation>ARM LENGTH in m: %1</translation>
    </message>
</context>
<context>
    <name>frmdizionario</name>
    <message>
        <source>AC  =  corrente alternata</source>
        <translation>AC  =  alternating current</translation>
    </message>
    <message>
        <source>ACORN TUBE = valvola a ghianda </source>
        <translation>ACORN TUBE = acorn valve </translation>
    </message>
    <message>
        <source>A/D = convertitore da analogico a digitale</source>
        <translation>A/D = analogue-to-digital converter</translation>
    </message>
    <message>
        <source>ADJUST = regolare, regolazione</source>
        <translation>ADJUST = to adjust, adjustment</translation>
    </message>
    <message>
        <source>AERIAL = antenna</source>
        <translation>AERIAL = antenna</translation>
    </message>
    <message>
        <source>AERIAL TUNIG COIL = bobina di sintonia d&apos;antenna</source>
        <translation>AERIAL TUNIG COIL = antenna tuning coil</translation>
    </message>
    <message>
        <source>AF = audiofrequenza, bassa frequenza</source>
        <translation>AF = audio frequency, low frequency</translation>
    </message>
    <message>
        <source>AFC comando automatico di frequenza</source>
        <translation>AFC automatic frequency control</translation>
    </message>
    <message>
        <source>AFSK manipolazione a spostam. di frequenza</source>
        <translation>AFSK audio frequency-shift keying</translation>
    </message>
    <message>
        <source>AGC = controllo automatico del guadagno</source>
        <translation>AGC = automatic gain control</translation>
    </message>
    <message>
        <source>AIR CONDENSE = condensatore ad aria</source>
        <translation>AIR CONDENSE = air-dielectric capacitor</translation>
    </message>
    <message>
        <source>AIR INSULATED = isolato in aria</source>
        <translation>AIR INSULATED = air-insulated</translation>
    </message>
    <message>
        <source>AIR MAGNETIC CIRCUIT = circuito magnetico in aria</source>
        <translation>AIR MAGNETIC CIRCUIT = air-core magnetic circuit</translation>
    </message>
    <message>
        <source>ALC comando automatico di carico o di livello</source>
        <translation>ALC automatic level control</translation>
    </message>
    <message>
        <source>ALL GLASS = tutto vetro, valvola con bulbo di vetro</source>
        <translation>ALL GLASS = all-glass valve</translation>
    </message>
    <message>
        <source>ANL = limitatore automatico dei disturbi</source>
        <translation>ANL = automatic noise limiter</translation>
    </message>
    <message>
        <source>ANODE CIRCUIT = circuito anodico</source>
        <translation>ANODE CIRCUIT = anode circuit</translation>
    </message>
    <message>
        <source>ANODE CURRENT = corrente anodica</source>
        <translation>ANODE CURRENT = anode current</translation>
    </message>
    <message>
        <source>ANODE DISSIPATION = dissipazione anodica</source>
        <translation>ANODE DISSIPATION = anode dissipation</translation>
    </message>
    <message>
        <source>ANODE FOLLOWER = inseguitore anodico</source>
        <translation>ANODE FOLLOWER = anode follower</translation>
    </message>
    <message>
        <source>ARRL = Associazione dei Radioamatori Americani</source>
        <translation>ARRL = American Radio Relay League</translation>
    </message>
    <message>
        <source>ATV = televisione amatoriale</source>
        <translation>ATV = amateur television</translation>
    </message>
    <message>
        <source>AVC = controllo automatico del volume</source>
        <translation>AVC = automatic volume control</translation>
    </message>
    <message>
        <source>AVERAGE CURRENT = corrente media</source>
        <translation>AVERAGE CURRENT = average current</translation>
    </message>
    <message>
        <source>AVERAGE VOLTAGE = tensione media</source>
        <translation>AVERAGE VOLTAGE = average voltage</translation>
    </message>
    <message>
        <source>BALUN = trasformatore da bilanciato a sbilanciato</source>
        <translation>BALUN = balanced-to-unbalanced transformer</translation>
    </message>
    <message>
        <source>BASE = base del transistor</source>
        <translation>BASE = transistor base</translation>
    </message>
    <message>
        <source>BOOSTER = amplificatore, elevatore di tensione</source>
        <translation>BOOSTER = amplifier, voltage booster</translation>
    </message>
    <message>
        <source>BRASS = ottone</source>
        <translation>BRASS = brass</translation>
    </message>
    <message>
        <source>CARRIER = portante</source>
        <translation>CARRIER = carrier</translation>
    </message>
    <message>
        <source>CHECK LIST = elenco dei controlli</source>
        <translation>CHECK LIST = list of checks</translation>
    </message>
    <message>
        <source>COAXIAL LINE = cavo schermato, linea coassiale</source>
        <translation>COAXIAL LINE = screened cable, coaxial line</translation>
    </message>
    <message>
        <source>CHOKE  = impedenza d&apos;arresto</source>
        <translation>CHOKE  = RF choke</translation>
    </message>
    <message>
        <source>COIL = bobina</source>
        <translation>COIL = coil</translation>
    </message>
    <message>
        <source>COLLECTOR = collettore</source>
        <translation>COLLECTOR = collector</translation>
    </message>
    <message>
        <source>COPPER = rame</source>
        <translation>COPPER = copper</translation>
    </message>
    <message>
        <source>CU = rame (simbolo chimico)</source>
        <translation>CU = copper (chemical symbol)</translation>
    </message>
    <message>
        <source>CRT = tubo a raggi catodici</source>
        <translation>CRT = cathode-ray tube</translation>
    </message>
    <message>
        <source>D/A = convertitore da digitale ad analogico</source>
        <translation>D/A = digital-to-analogue converter</translation>
    </message>
    <message>
        <source>DATA SHEET = foglio delle caratteristiche</source>
        <translation>DATA SHEET = data sheet</translation>
    </message>
    <message>
        <source>DC = corrente continua</source>
        <translation>DC = direct current</translation>
    </message>
    <message>
        <source>DRAIN = pozzo, elettrodo del FET</source>
        <translation>DRAIN = drain, FET electrode</translation>
    </message>
    <message>
        <source>EAR PHONE = auricolare</source>
        <translation>EAR PHONE = earphone</translation>
    </message>
    <message>
        <source>EDP = elaborazione elettronica dei dati</source>
        <translation>EDP = electronic data processing</translation>
    </message>
    <message>
        <source>EHT = altissima tensione</source>
        <translation>EHT = extra-high tension</translation>
    </message>
    <message>
        <source>EME = collegamento Terra-Luna-Terra</source>
        <translation>EME = Earth-Moon-Earth contact</translation>
    </message>
    <message>
        <source>EMF = forza elettromotrice</source>
        <translation>EMF = electromotive force</translation>
    </message>
    <message>
        <source>EMITTER = emettitore</source>
        <translation>EMITTER = emitter</translation>
    </message>
    <message>
        <source>ENAMEL = smalto, filo smaltato</source>
        <translation>ENAMEL = enamel, enamelled wire</translation>
    </message>
    <message>
        <source>FE = IRON  ferro</source>
        <translation>FE = iron</translation>
    </message>
    <message>
        <source>FET = transistor ad effetto di campo</source>
        <translation>FET = field-effect transistor</translation>
    </message>
    <message>
        <source>FF = flip-flop, multivibratore bistabile</source>
        <translation>FF = flip-flop, bistable multivibrator</translation>
    </message>
    <message>
        <source>FM = modulazione di frequenza</source>
        <translation>FM = frequency modulation</translation>
    </message>
    <message>
        <source>FOLLOWER = inseguitore</source>
        <translation>FOLLOWER = follower</translation>
    </message>
    <message>
        <source>FORWARD = diretta, in avanti</source>
        <translation>FORWARD = forward</translation>
    </message>
    <message>
        <source>FRONTEND = stadio d&apos;ingresso</source>
        <translation>FRONTEND = input stage</translation>
    </message>
    <message>
        <source>FSK = manipolazione a spostamento di frequenza</source>
        <translation>FSK = frequency-shift keying</translation>
    </message>
    <message>
        <source>FULL RATING = pieno carico, valori massimi</source>
        <translation>FULL RATING = full load, maximum ratings</translation>
    </message>
    <message>
        <source>GAIN = guadagno</source>
        <translation>GAIN = gain</translation>
    </message>
    <message>
        <source>GATE = porta, elettrodo di comando del FET</source>
        <translation>GATE = gate, control electrode of the FET</translation>
    </message>
    <message>
        <source>GDO = ondametro ad assorbimento di griglia</source>
        <translation>GDO = grid dip oscillator</translation>
    </message>
    <message>
        <source>GND / GROUND = massa, terra</source>
        <translation>GND / GROUND = ground, earth</translation>
    </message>
    <message>
        <source>H = henry, unità di induttanza</source>
        <translation>H = henry, unit of inductance</translation>
    </message>
    <message>
        <source>HEART = cuore, parte centrale</source>
        <translation>HEART = core, central part</translation>
    </message>
    <message>
        <source>HF = alta frequenza, da 3 a 30 MHz</source>
        <translation>HF = high frequency, 3 to 30 MHz</translation>
    </message>
    <message>
        <source>HT o HV = alta tensione</source>
        <translation>HT or HV = high tension</translation>
    </message>
    <message>
        <source>IARU = Associazione Int. dei Radioamatori</source>
        <translation>IARU = International Amateur Radio Union</translation>
    </message>
    <message>
        <source>IC = circuito integrato</source>
        <translation>IC = integrated circuit</translation>
    </message>
    <message>
        <source>ID = corrente di drain</source>
        <translation>ID = drain current</translation>
    </message>
    <message>
        <source>IF = media frequenza</source>
        <translation>IF = intermediate frequency</translation>
    </message>
    <message>
        <source>IN = inch - pollice (2,54 cm.)</source>
        <translation>IN = inch (2.54 cm)</translation>
    </message>
    <message>
        <source>IN o INPUT = ingresso </source>
        <translation>IN or INPUT = input </translation>
    </message>
    <message>
        <source>INSULATOR = isolatore</source>
        <translation>INSULATOR = insulator</translation>
    </message>
    <message>
        <source>IRC = buono di risposta internazionale</source>
        <translation>IRC = international reply coupon</translation>
    </message>
    <message>
        <source>IRON = ferro</source>
        <translation>IRON = iron</translation>
    </message>
    <message>
        <source>JFET = transistor ad effetto di campo a giunzione</source>
        <translation>JFET = junction field-effect transistor</translation>
    </message>
    <message>
        <source>JUNCTION = giunzione</source>
        <translation>JUNCTION = junction</translation>
    </message>
    <message>
        <source>K = chilo, mille</source>
        <translation>K = kilo, thousand</translation>
    </message>
    <message>
        <source>KEY = tasto telegrafico</source>
        <translation>KEY = telegraph key</translation>
    </message>
    <message>
        <source>LED = diodo emettitore di luce</source>
        <translation>LED = light-emitting diode</translation>
    </message>
    <message>
        <source>LO = oscillatore locale</source>
        <translation>LO = local oscillator</translation>
    </message>
    <message>
        <source>LSB = banda laterale inferiore</source>
        <translation>LSB = lower sideband</translation>
    </message>
    <message>
        <source>LSI = integrazione su larga scala</source>
        <translation>LSI = large-scale integration</translation>
    </message>
    <message>
        <source>M = mega, un milione</source>
        <translation>M = mega, one million</translation>
    </message>
    <message>
        <source>MIKE = microfono</source>
        <translation>MIKE = microphone</translation>
    </message>
    <message>
        <source>MIX = miscelatore</source>
        <translation>MIX = mixer</translation>
    </message>
    <message>
        <source>MOSFET = transistor ad effetto di campo metallo-ossido-semiconduttore</source>
        <translation>MOSFET = metal-oxide-semiconductor field-effect transistor</translation>
    </message>
    <message>
        <source>MOX = passaggio manuale in trasmissione</source>
        <translation>MOX = manual switch to transmit</translation>
    </message>
    <message>
        <source>MSG = messaggio</source>
        <translation>MSG = message</translation>
    </message>
    <message>
        <source>MSI = integrazione su media scala</source>
        <translation>MSI = medium-scale integration</translation>
    </message>
    <message>
        <source>NBFM = modulazione di frequenza a banda stretta</source>
        <translation>NBFM = narrow-band frequency modulation</translation>
    </message>
    <message>
        <source>n.c. = non collegato</source>
        <translation>n.c. = not connected</translation>
    </message>
    <message>
        <source>NC = normalmente chiuso</source>
        <translation>NC = normally closed</translation>
    </message>
    <message>
        <source>NO = normalmente aperto</source>
        <translation>NO = normally open</translation>
    </message>
    <message>
        <source>NOISE = rumore, disturbo</source>
        <translation>NOISE = noise, interference</translation>
    </message>
    <message>
        <source>OPERATING = funzionamento, di esercizio</source>
        <translation>OPERATING = operating, working</translation>
    </message>
    <message>
        <source>OSC = oscillatore</source>
        <translation>OSC = oscillator</translation>
    </message>
    <message>
        <source>OUTPUT = uscita</source>
        <translation>OUTPUT = output</translation>
    </message>
    <message>
        <source>PA = amplificatore di potenza, stadio finale</source>
        <translation>PA = power amplifier, final stage</translation>
    </message>
    <message>
        <source>pb = piombo</source>
        <translation>pb = lead</translation>
    </message>
    <message>
        <source>PEAK = picco, valore di cresta</source>
        <translation>PEAK = peak, crest value</translation>
    </message>
    <message>
        <source>PEP = potenza di picco dell&apos;inviluppo</source>
        <translation>PEP = peak envelope power</translation>
    </message>
    <message>
        <source>PEV = tensione di picco dell&apos;inviluppo</source>
        <translation>PEV = peak envelope voltage</translation>
    </message>
    <message>
        <source>PIN = piedino, terminale</source>
        <translation>PIN = pin, terminal</translation>
    </message>
    <message>
        <source>PLL = anello ad aggancio di fase</source>
        <translation>PLL = phase-locked loop</translation>
    </message>
    <message>
        <source>PLUG = spina</source>
        <translation>PLUG = plug</translation>
    </message>
    <message>
        <source>POWER SUPPLY = alimentatore</source>
        <translation>POWER SUPPLY = power supply</translation>
    </message>
    <message>
        <source>PPM = parti per milione</source>
        <translation>PPM = parts per million</translation>
    </message>
    <message>
        <source>PTT = premi per parlare, comando di trasmissione</source>
        <translation>PTT = push to talk, transmit switch</translation>
    </message>
    <message>
        <source>RANGE = portata, gamma</source>
        <translation>RANGE = range, band</translation>
    </message>
    <message>
        <source>RF = radiofrequenza</source>
        <translation>RF = radio frequency</translation>
    </message>
    <message>
        <source>R.M.S = valore efficace</source>
        <translation>R.M.S = root mean square value</translation>
    </message>
    <message>
        <source>RTTY = radiotelescrivente</source>
        <translation>RTTY = radioteletype</translation>
    </message>
    <message>
        <source>SCR = raddrizzatore controllato al silicio</source>
        <translation>SCR = silicon controlled rectifier</translation>
    </message>
    <message>
        <source>SET = apparato, regolare</source>
        <translation>SET = set, to adjust</translation>
    </message>
    <message>
        <source>SHIFT = spostamento</source>
        <translation>SHIFT = shift</translation>
    </message>
    <message>
        <source>SI = silicio</source>
        <translation>SI = silicon</translation>
    </message>
    <message>
        <source>SINE = seno, sinusoidale</source>
        <translation>SINE = sine, sinusoidal</translation>
    </message>
    <message>
        <source>SN = stagno (simbolo chimico)</source>
        <translation>SN = tin (chemical symbol)</translation>
    </message>
    <message>
        <source>SOURCE = sorgente, elettrodo del FET</source>
        <translation>SOURCE = source, FET electrode</translation>
    </message>
    <message>
        <source>SPEAKER = altoparlante</source>
        <translation>SPEAKER = loudspeaker</translation>
    </message>
    <message>
        <source>SQUARE  = quadrato, square wave=onda quadra </source>
        <translation>SQUARE  = square, square wave </translation>
    </message>
    <message>
        <source>SQUELCH = silenziatore del ricevitore</source>
        <translation>SQUELCH = receiver squelch</translation>
    </message>
    <message>
        <source>SSTV = televisione a scansione lenta</source>
        <translation>SSTV = slow-scan television</translation>
    </message>
    <message>
        <source>TP = punto di prova</source>
        <translation>TP = test point</translation>
    </message>
    <message>
        <source>TRANSFORMER = trasformatore</source>
        <translation>TRANSFORMER = transformer</translation>
    </message>
    <message>
        <source>TUBE = valvola, tubo elettronico</source>
        <translation>TUBE = valve, electron tube</translation>
    </message>
    <message>
        <source>TUNING = sintonia</source>
        <translation>TUNING = tuning</translation>
    </message>
    <message>
        <source>TURN = spira</source>
        <translation>TURN = turn</translation>
    </message>
    <message>
        <source>TVI = interferenza televisiva</source>
        <translation>TVI = television interference</translation>
    </message>
    <message>
        <source>UJT = transistor a unigiunzione</source>
        <translation>UJT = unijunction transistor</translation>
    </message>
    <message>
        <source>UHF = frequenze ultra alte, da 300 a 3000 MHz</source>
        <translation>UHF = ultra high frequencies, 300 to 3000 MHz</translation>
    </message>
    <message>
        <source>USB = banda laterale superiore</source>
        <translation>USB = upper sideband</translation>
    </message>
    <message>
        <source>VCO = oscillatore controllato in tensione</source>
        <translation>VCO = voltage-controlled oscillator</translation>
    </message>
    <message>
        <source>VCXO = oscillatore a quarzo controllato in tensione</source>
        <translation>VCXO = voltage-controlled crystal oscillator</translation>
    </message>
    <message>
        <source>VHF = frequenze molto alte, da 30 a 300 MHz</source>
        <translation>VHF = very high frequencies, 30 to 300 MHz</translation>
    </message>
    <message>
        <source>VOX = commutazione in trasmissione a comando vocale</source>
        <translation>VOX = voice-operated transmit switch</translation>
    </message>
    <message>
        <source>VSWR = rapporto di onde stazionarie in tensione</source>
        <translation>VSWR = voltage standing wave ratio</translation>
    </message>
    <message>
        <source>VXO = oscillatore a quarzo a frequenza variabile</source>
        <translation>VXO = variable-frequency crystal oscillator</translation>
    </message>
    <message>
        <source>WAVE = onda</source>
        <translation>WAVE = wave</translation>
    </message>
    <message>
        <source>WIRE = filo</source>
        <translation>WIRE = wire</translation>
    </message>
    <message>
        <source>WPM = parole al minuto</source>
        <translation>WPM = words per minute</translation>
    </message>
    <message>
        <source>XTAL  = cristallo di quarzo </source>
        <translation>XTAL  = quartz crystal </translation>
    </message>
</context>
<context>
    <name>frmgammamatch</name>
    <message>
        <source>FREQUENZA in MHz</source>
        <translation>FREQUENCY in MHz</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>centro radiatore</source>
        <translation>radiator centre</translation>
    </message>
    <message>
        <source>STUB</source>
        <translation>GAMMA ROD</translation>
    </message>
    <message>
        <source>ponticello regolabile</source>
        <translation>adjustable shorting bar</translation>
    </message>
    <message>
        <source>isolatore</source>
        <translation>insulator</translation>
    </message>
    <message>
        <source>discesa coax</source>
        <translation>coax feed</translation>
    </message>
    <message>
        <source>ADATTATORE A GAMMA MATCH</source>
        <translation>GAMMA MATCH</translation>
    </message>
    <message>
        <source>MANCA INPUT</source>
        <translation>NO INPUT</translation>
    </message>
    <message>
        <source>cm. %1</source>
        <translation>cm %1</translation>
    </message>
    <message>
        <source>spaziatura cm %1</source>
        <translation>spacing cm %1</translation>
    </message>
    <message>
        <source>VALORE DI LAMBDA = mt. %1</source>
        <translation>WAVELENGTH = m %1</translation>
    </message>
    <message>
        <source>CONDENSATORE = pF  %1</source>
        <translation>CAPACITOR = pF  %1</translation>
    </message>
    <message>
        <source>USANDO L&apos;RG 8/213 COME CONDENSATORE LA LUNGHEZZA E&apos; cm. %1</source>
        <translation>WITH RG 8/213 AS THE CAPACITOR THE LENGTH IS cm %1</translation>
    </message>
    <message>
        <source>IL DIAMETRO DEL RADIATORE E&apos; 2 - 4 VOLTE IL DIAMETRO DELLO STUB</source>
        <translation>THE RADIATOR DIAMETER IS 2 - 4 TIMES THE STUB DIAMETER</translation>
    </message>
    <message>
        <source> pF</source>
        <translation> pF</translation>
    </message>
</context>
<context>
    <name>frmgradi</name>
    <message>
        <source>da metri a gradi</source>
        <translation>metres to degrees</translation>
    </message>
    <message>
        <source>LUNGHEZZA IN METRI</source>
        <translation>LENGTH IN METRES</translation>
    </message>
    <message>
        <source>da gradi a metri</source>
        <translation>degrees to metres</translation>
    </message>
    <message>
        <source>GRADI</source>
        <translation>DEGREES</translation>
    </message>
    <message>
        <source>Conversione</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>FREQUENZA IN MHz</source>
        <translation>FREQUENCY IN MHz</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>In fase di dimensionamento di una antenna accorciata, per mantenere una resa soddisfacente,  non è consigliabile scendere al di sotto di 60 gradi elettrici.</source>
        <translation>When sizing a shortened antenna, to keep a satisfactory performance,  going below 60 electrical degrees is not advisable.</translation>
    </message>
    <message>
        <source>Conversione metri e gradi elettrici</source>
        <translation>Metres and electrical degrees</translation>
    </message>
    <message>
        <source>I METRI ECCEDONO LA LUNGHEZZA D&apos;ONDA</source>
        <translation>LENGTH EXCEEDS ONE WAVELENGTH</translation>
    </message>
    <message>
        <source>CORRISPONDE A GRADI  :  %1</source>
        <translation>EQUALS DEGREES  :  %1</translation>
    </message>
    <message>
        <source>CORRISPONDE A METRI  :  %1</source>
        <translation>EQUALS METRES  :  %1</translation>
    </message>
</context>
<context>
    <name>frmguida</name>
    <message>
        <source>GUIDA</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>La guida di questa finestra non è stata trovata: manca il file %1 nella cartella share/ondalab/help del programma.</source>
        <translation>The help for this window was not found: the file %1 is missing from the program&apos;s share/ondalab/help folder.</translation>
    </message>
</context>
<context>
    <name>frmimpedenza</name>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>IMPEDENZA DI UNA LINEA COASSIALE NOTI I DIAMETRI DEI DUE CONDUTTORI</source>
        <translation>IMPEDANCE OF A COAXIAL LINE FROM THE DIAMETERS OF ITS TWO CONDUCTORS</translation>
    </message>
    <message>
        <source> Dielettrico </source>
        <translation> Dielectric </translation>
    </message>
    <message>
        <source>Aria</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Politene</source>
        <translation>Polythene</translation>
    </message>
    <message>
        <source>Polietilene</source>
        <translation>Polyethylene</translation>
    </message>
    <message>
        <source>Polietilene spiralato</source>
        <translation>Spiral polyethylene</translation>
    </message>
    <message>
        <source>DIAMETRO INTERNO DEL CONDUTTORE ESTERNO in mm. :</source>
        <translation>INNER DIAMETER OF OUTER CONDUCTOR in mm :</translation>
    </message>
    <message>
        <source>DIAMETRO ESTERNO DEL CONDUTTORE INTERNO in mm. :</source>
        <translation>OUTER DIAMETER OF INNER CONDUCTOR in mm :</translation>
    </message>
    <message>
        <source>separare i decimali con il punto del tastierino numerico</source>
        <translation>use the point (on the keypad) for decimals</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>IMPEDENZA DI UNA LINEA COASSIALE</source>
        <translation>IMPEDANCE OF A COAXIAL LINE</translation>
    </message>
    <message>
        <source>DIAMETRO ESTERNO TROPPO PICCOLO</source>
        <translation>OUTER DIAMETER TOO SMALL</translation>
    </message>
    <message>
        <source>L&apos;IMPEDENZA E&apos; DI  :  %1  OHM</source>
        <translation>THE IMPEDANCE IS  :  %1  OHM</translation>
    </message>
</context>
<context>
    <name>frmimprisonanza</name>
    <message>
        <source>NOTA LA CAPACITA&apos;,  L&apos; INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL VALORE DELL&apos;IMPEDENZA IN UN CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI DI PERDITE</source>
        <translation>FROM THE CAPACITANCE,  THE INDUCTANCE AND THE RESISTANCE,  THE IMPEDANCE OF AN  R-L-C  CIRCUIT AT RESONANCE IS FOUND, ASSUMING LOSSLESS COMPONENTS</translation>
    </message>
    <message>
        <source>CAPACITA&apos;  IN picoFARAD</source>
        <translation>CAPACITANCE  IN pF</translation>
    </message>
    <message>
        <source>INDUTTANZA IN microHENRY</source>
        <translation>INDUCTANCE IN µH</translation>
    </message>
    <message>
        <source>RESISTENZA IN OHM</source>
        <translation>RESISTANCE IN OHM</translation>
    </message>
    <message>
        <source>risonanza serie</source>
        <translation>series resonance</translation>
    </message>
    <message>
        <source>risonanza parallelo</source>
        <translation>parallel resonance</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>CALCOLO DELL&apos;IMPEDENZA IN UN CIRCUITO IN RISONANZA</source>
        <translation>IMPEDANCE OF A CIRCUIT AT RESONANCE</translation>
    </message>
    <message>
        <source>RESISTENZA TROPPO PICCOLA</source>
        <translation>RESISTANCE TOO LOW</translation>
    </message>
    <message>
        <source>FREQUENZA DI RISONANZA : %1 MHz</source>
        <translation>RESONANT FREQUENCY : %1 MHz</translation>
    </message>
    <message>
        <source>IMPEDENZA SERIE : %1 Ohm</source>
        <translation>SERIES IMPEDANCE : %1 Ohm</translation>
    </message>
    <message>
        <source>IMPEDENZA PARALLELO : %1 Ohm</source>
        <translation>PARALLEL IMPEDANCE : %1 Ohm</translation>
    </message>
</context>
<context>
    <name>frmleggediohm</name>
    <message>
        <source>VOLT  e  AMPERE</source>
        <translation>VOLTS  and  AMPS</translation>
    </message>
    <message>
        <source>R = V : I     W= V x I</source>
        <translation>R = V / I     W= V x I</translation>
    </message>
    <message>
        <source>VOLT :</source>
        <translation>VOLTS :</translation>
    </message>
    <message>
        <source>AMPER :</source>
        <translation>AMPS :</translation>
    </message>
    <message>
        <source>OHM :</source>
        <translation>OHMS :</translation>
    </message>
    <message>
        <source>WATT :</source>
        <translation>WATTS :</translation>
    </message>
    <message>
        <source>VOLT e  OHM</source>
        <translation>VOLTS and  OHMS</translation>
    </message>
    <message>
        <source>I = V : R     W = (V x V) : R</source>
        <translation>I = V / R     W = (V x V) / R</translation>
    </message>
    <message>
        <source>VOLT e  WATT</source>
        <translation>VOLTS and  WATTS</translation>
    </message>
    <message>
        <source>I = W : V     R = (V x V) : W</source>
        <translation>I = W / V     R = (V x V) / W</translation>
    </message>
    <message>
        <source>AMPERE e OHM</source>
        <translation>AMPS and OHMS</translation>
    </message>
    <message>
        <source>V = I x R     W = (I x I) x R</source>
        <translation>V = I x R     W = (I x I) x R</translation>
    </message>
    <message>
        <source>AMPERE e  WATT</source>
        <translation>AMPS and  WATTS</translation>
    </message>
    <message>
        <source>V = W : I     R = W : (I x I)</source>
        <translation>V = W / I     R = W / (I x I)</translation>
    </message>
    <message>
        <source>OHM e  WATT</source>
        <translation>OHMS and  WATTS</translation>
    </message>
    <message>
        <source>V = radice(R x W)   I = radice( W : R)</source>
        <translation>V = sqrt(R x W)   I = sqrt( W / R)</translation>
    </message>
    <message>
        <source>dati conosciuti</source>
        <translation>known values</translation>
    </message>
    <message>
        <source>effettuare una scelta</source>
        <translation>make a choice</translation>
    </message>
    <message>
        <source>immissione dato</source>
        <translation>enter a value</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>abilita il calcolo</source>
        <translation>runs the calculation</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>esce dall&apos;applicazione</source>
        <translation>closes this window</translation>
    </message>
    <message>
        <source>POTENZA - TENSIONE - CORRENTE - RESISTENZA</source>
        <translation>POWER - VOLTAGE - CURRENT - RESISTANCE</translation>
    </message>
</context>
<context>
    <name>frmlineebifilari</name>
    <message>
        <source>Si tratta di realizzazioni estremamente critiche e pertanto universalmente non più utilizzate. L&apos;impedenza caratteristica è infatti notevolmente influenzata dalla vicinanza di  muri ed altri oggetti. Le perdite di questo tipo di linea sono comunque bassissime. Fissata la distanza e la sezione dei conduttori si può calcolare teoricamente l&apos;impedenza.</source>
        <translation>These lines are very critical to build and are hardly used any more: their characteristic impedance is much affected by nearby  walls and other objects. Their losses, however, are very low. From the spacing and the size of the conductors the impedance can be calculated in theory.</translation>
    </message>
    <message>
        <source>DISTANZA TRA GLI ASSI DEI CONDUTTORI in mm</source>
        <translation>CENTRE-TO-CENTRE SPACING in mm</translation>
    </message>
    <message>
        <source>DIAMETRO DEI CONDUTTORI in mm</source>
        <translation>CONDUCTOR DIAMETER in mm</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>LINEE BIFILARI</source>
        <translation>TWO-WIRE LINES</translation>
    </message>
    <message>
        <source>IMPEDENZA =  %1  OHM</source>
        <translation>IMPEDANCE =  %1  OHM</translation>
    </message>
</context>
<context>
    <name>frmlungelettrica</name>
    <message>
        <source>MESSAGGGIO DI ERRORE</source>
        <translation>ERROR MESSAGE</translation>
    </message>
    <message>
        <source>Tipo di cavo coax</source>
        <translation>Coax cable type</translation>
    </message>
    <message>
        <source>50 Ohm</source>
        <translation>50 Ohm</translation>
    </message>
    <message>
        <source>75 Ohm</source>
        <translation>75 Ohm</translation>
    </message>
    <message>
        <source>Misura effettuata a MHz :</source>
        <translation>Measured at MHz :</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>Per effettuare misurazioni attendibili di onde stazionarie occorre che lo strumento sia collegato all&apos;estremità di un cavo che sia pari a mezz&apos;onda  elettrica (o multipli) .Si indicano alcune lunghezze in corrispondenza delle quali si presentano condizioni simili a quelle esistenti nel punto di alimentazione dell&apos;antenna.</source>
        <translation>For reliable SWR readings the meter must sit at the end of a cable one electrical half wave long  (or a multiple). Here are some lengths at which conditions are like those at the antenna feed point.</translation>
    </message>
    <message>
        <source>alcuni multipli di mezze onde</source>
        <translation>some multiples of half waves</translation>
    </message>
    <message>
        <source>Lunghezza elettrica cavi coassiali</source>
        <translation>Electrical length of coaxial cables</translation>
    </message>
    <message>
        <source>INSERISCI DATO</source>
        <translation>ENTER A VALUE</translation>
    </message>
    <message>
        <source>corrispondenti a mt. : %1</source>
        <translation>equal to m : %1</translation>
    </message>
    <message>
        <source>pari a onda elettrica  : %1</source>
        <translation>one electrical wave  : %1</translation>
    </message>
</context>
<context>
    <name>frmmisureinglesi</name>
    <message>
        <source>Conversione misure</source>
        <translation>Unit conversion</translation>
    </message>
    <message>
        <source>effettua una scelta</source>
        <translation>make a choice</translation>
    </message>
    <message>
        <source>da pollici a cm.</source>
        <translation>inches to cm</translation>
    </message>
    <message>
        <source>da cm. a pollici</source>
        <translation>cm to inches</translation>
    </message>
    <message>
        <source>inserisci misura da convertire</source>
        <translation>enter the length to convert</translation>
    </message>
    <message>
        <source>CONVERTI</source>
        <translation>CONVERT</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Frazioni inglesi ordinarie</source>
        <translation>Common inch fractions</translation>
    </message>
    <message>
        <source>frazioni di uso comune</source>
        <translation>common fractions</translation>
    </message>
    <message>
        <source>In pollice</source>
        <translation>In inches</translation>
    </message>
    <message>
        <source>in mm</source>
        <translation>in mm</translation>
    </message>
    <message>
        <source>Conversione misure inglesi</source>
        <translation>Inch conversion</translation>
    </message>
    <message>
        <source>misura in pollici</source>
        <translation>length in inches</translation>
    </message>
    <message>
        <source>misura in cm.</source>
        <translation>length in cm</translation>
    </message>
    <message>
        <source>INSERISCI MISURA</source>
        <translation>ENTER A LENGTH</translation>
    </message>
    <message>
        <source>misura in cm. : %1</source>
        <translation>length in cm : %1</translation>
    </message>
    <message>
        <source>misura in pollici : %1</source>
        <translation>length in inches : %1</translation>
    </message>
    <message>
        <source>corrisponde a piedi : %1</source>
        <translation>in feet : %1</translation>
    </message>
</context>
<context>
    <name>frmondadiretta</name>
    <message>
        <source>CONOSCENDO L&apos;ALTEZZA DELL&apos;ANTENNA SUL LIVELLO DEL MARE , SI PUO&apos; CALCOLARE IN VIA TEORICA LA DISTANZA COPERTA PER ONDA DIRETTA OPERANDO IN IN VHF - UHF</source>
        <translation>FROM THE ANTENNA HEIGHT ABOVE SEA LEVEL, THE THEORETICAL LINE-OF-SIGHT RANGE ON VHF - UHF CAN BE CALCULATED</translation>
    </message>
    <message>
        <source>ALTEZZA IN MT. SUL LIVELLO DEL MARE</source>
        <translation>HEIGHT ABOVE SEA LEVEL IN m</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>DISTANZA DI COLLEGAMENTO PER ONDA DIRETTA</source>
        <translation>LINE-OF-SIGHT RANGE</translation>
    </message>
    <message>
        <source>MANCA DATO</source>
        <translation>VALUE MISSING</translation>
    </message>
    <message>
        <source>ALTEZZA ECCESSIVA</source>
        <translation>HEIGHT TOO GREAT</translation>
    </message>
    <message>
        <source>LA POSSIBILE DISTANZA E&apos; DI KM: %1</source>
        <translation>POSSIBLE RANGE, km: %1</translation>
    </message>
</context>
<context>
    <name>frmpartitori</name>
    <message>
        <source>FISSATI I VALORI DELLA TENSIONE DI ALIMENTAZIONE E DELLE RESISTENZE, SI OTTENGONO LE RISPETTIVE TENSIONI PARZIALI</source>
        <translation>FROM THE SUPPLY VOLTAGE AND THE RESISTORS, THE VOLTAGE ACROSS EACH RESISTOR IS FOUND</translation>
    </message>
    <message>
        <source>TENSIONE DI ALIMENTAZIONE</source>
        <translation>SUPPLY VOLTAGE</translation>
    </message>
    <message>
        <source>usa il punto per i decimali</source>
        <translation>use the point for decimals</translation>
    </message>
    <message>
        <source>VALORE di R 1 in OHM</source>
        <translation>VALUE of R 1 in OHM</translation>
    </message>
    <message>
        <source>VALORE di R 2 in OHM</source>
        <translation>VALUE of R 2 in OHM</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>PARTITORI RESISTIVI</source>
        <translation>RESISTIVE DIVIDERS</translation>
    </message>
    <message>
        <source>Volt %1</source>
        <translation>Volts %1</translation>
    </message>
    <message>
        <source>LA CORRENTE E&apos; :  %1  Amp.</source>
        <translation>THE CURRENT IS :  %1  A</translation>
    </message>
    <message>
        <source>V. %1</source>
        <translation>V %1</translation>
    </message>
</context>
<context>
    <name>frmpassabanda</name>
    <message>
        <source>PASSA ALTO</source>
        <translation>HIGH-PASS</translation>
    </message>
    <message>
        <source>PASSA BASSO</source>
        <translation>LOW-PASS</translation>
    </message>
    <message>
        <source>Il filtro passa banda è costituito da un filtro passa alto collegato ad un filtro passa basso e, pertanto, si rimanda ai rispettivi procedimenti di calcolo. NOTA: la frequenza di taglio del filtro passa alto corrisponderà alla  più bassa frequenza che si intende non attenuare, mentre la frequenza di taglio del filtro passa basso corrisponderà alla più alta frequenza che si intende non attenuare.</source>
        <translation>A band-pass filter is a high-pass filter followed by a low-pass filter, so see the calculation of each. NOTE: the cut-off frequency of the high-pass filter is the  lowest frequency that is to pass unattenuated, and the cut-off frequency of the low-pass filter is the highest frequency that is to pass unattenuated.</translation>
    </message>
    <message>
        <source>vai ai filtri passa basso</source>
        <translation>go to low-pass filters</translation>
    </message>
    <message>
        <source>vai ai filtri passa alto</source>
        <translation>go to high-pass filters</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>FILTRI PASSA BANDA</source>
        <translation>BAND-PASS FILTERS</translation>
    </message>
</context>
<context>
    <name>frmpolarizztransistor</name>
    <message>
        <source>1 uF</source>
        <translation>1 µF</translation>
    </message>
    <message>
        <source>CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE DI UNO STADIO PREAMPLIFICATORE CON EMETTITORE COMUNE E SENZA CONDENSATORE IN PARALLELO A R4.  Appllicando in parallelo alla resistenza di emettitore un condensatore elettrolitico, il guadagno cresce di circa 10 volte.</source>
        <translation>BIAS RESISTORS OF A COMMON-EMITTER PREAMPLIFIER STAGE WITH R4 NOT BYPASSED.  With an electrolytic capacitor across the emitter resistor, the gain rises about 10 times.</translation>
    </message>
    <message>
        <source>TENSIONE DI ALIMENTAZIONE Volt</source>
        <translation>SUPPLY VOLTAGE, volts</translation>
    </message>
    <message>
        <source>RESISTENZA DI CARICO in Ohm</source>
        <translation>LOAD RESISTANCE in Ohm</translation>
    </message>
    <message>
        <source>GUADAGNO PREVISTO</source>
        <translation>DESIRED GAIN</translation>
    </message>
    <message>
        <source>BETA MEDIO DEL TRANSISTOR</source>
        <translation>TYPICAL TRANSISTOR BETA</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>R3</source>
        <translation>R3</translation>
    </message>
    <message>
        <source>R4</source>
        <translation>R4</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>Vcc</source>
        <translation>Vcc</translation>
    </message>
    <message>
        <source>CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE</source>
        <translation>BIAS RESISTOR CALCULATION</translation>
    </message>
    <message>
        <source>IL VALORE DI R1 E&apos; %1 OHM</source>
        <translation>VALUE OF R1 IS %1 OHM</translation>
    </message>
    <message>
        <source>IL VALORE DI R2 E&apos; %1 OHM</source>
        <translation>VALUE OF R2 IS %1 OHM</translation>
    </message>
    <message>
        <source>IL VALORE DI R3 E&apos; %1 OHM</source>
        <translation>VALUE OF R3 IS %1 OHM</translation>
    </message>
    <message>
        <source>IL VALORE DI R4 E&apos; %1 OHM</source>
        <translation>VALUE OF R4 IS %1 OHM</translation>
    </message>
    <message>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Corrente di collettore %1 mA</source>
        <translation>Collector current %1 mA</translation>
    </message>
    <message>
        <source>Tensione collettore %1 Volt</source>
        <translation>Collector voltage %1 V</translation>
    </message>
    <message>
        <source>Tensione emettitore %1 Volt</source>
        <translation>Emitter voltage %1 V</translation>
    </message>
    <message>
        <source>Tensione di base %1 Volt</source>
        <translation>Base voltage %1 V</translation>
    </message>
    <message>
        <source>Corrente di base %1 mA</source>
        <translation>Base current %1 mA</translation>
    </message>
    <message>
        <source>Corrente di polarizzazione %1 mA</source>
        <translation>Bias divider current %1 mA</translation>
    </message>
    <message>
        <source>max segnale applicabile %1 Volt</source>
        <translation>max input signal %1 V</translation>
    </message>
    <message>
        <source>Impedenza di ingresso %1 Ohm</source>
        <translation>Input impedance %1 Ohm</translation>
    </message>
    <message>
        <source>GUADAGNO ECCESSIVO</source>
        <translation>GAIN TOO HIGH</translation>
    </message>
</context>
<context>
    <name>frmprefissi</name>
    <message>
        <source>NOME              SIMBOLO     VALORE MOLTIPLICATIVO</source>
        <translation>NAME              SYMBOL      MULTIPLIER</translation>
    </message>
    <message>
        <source>tera                       T            1.000.000.000.000</source>
        <translation>tera                       T            1,000,000,000,000</translation>
    </message>
    <message>
        <source>giga                       G           1.000.000.000</source>
        <translation>giga                       G           1,000,000,000</translation>
    </message>
    <message>
        <source>mega                     M          1.000.000</source>
        <translation>mega                     M          1,000,000</translation>
    </message>
    <message>
        <source>chilo                      K           1.000</source>
        <translation>kilo                        k           1,000</translation>
    </message>
    <message>
        <source>deci                       d           0,1</source>
        <translation>deci                       d           0.1</translation>
    </message>
    <message>
        <source>centi                      c           0,01</source>
        <translation>centi                      c           0.01</translation>
    </message>
    <message>
        <source>milli                       m          0,001</source>
        <translation>milli                       m          0.001</translation>
    </message>
    <message>
        <source>micro                     u           0,000 001</source>
        <translation>micro                     µ           0.000 001</translation>
    </message>
    <message>
        <source>nano                      n           0,000 000 001</source>
        <translation>nano                      n           0.000 000 001</translation>
    </message>
    <message>
        <source>pico                       p           0,000 000 000 001</source>
        <translation>pico                       p           0.000 000 000 001</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>VALORI E SIMBOLI DEI PREFISSI MOLTIPLICATIVI</source>
        <translation>MULTIPLIER PREFIXES: VALUES AND SYMBOLS</translation>
    </message>
</context>
<context>
    <name>frmreattanza</name>
    <message>
        <source>XL in Ohm = 6,28 x (Mhz x induttanza in uH)</source>
        <translation>XL in Ohm = 6.28 x (MHz x inductance in µH)</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>microH</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>XL Ohm</source>
        <translation>XL Ohm</translation>
    </message>
    <message>
        <source>XC in Ohm = 159.000 : (Mhz x pF)</source>
        <translation>XC in Ohm = 159,000 / (MHz x pF)</translation>
    </message>
    <message>
        <source>picoF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>XC Ohm</source>
        <translation>XC Ohm</translation>
    </message>
    <message>
        <source>Tipo di Reattanza</source>
        <translation>Type of Reactance</translation>
    </message>
    <message>
        <source>Reattanza Induttiva</source>
        <translation>Inductive Reactance</translation>
    </message>
    <message>
        <source>Reattanza Capacitiva</source>
        <translation>Capacitive Reactance</translation>
    </message>
    <message>
        <source>L&apos;uso dei Mhz e dei micro Henry ottimizza il calcolo per le HF</source>
        <translation>Working in MHz and µH suits the calculation to HF</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Reattanza </source>
        <translation>Reactance </translation>
    </message>
</context>
<context>
    <name>frmresistenze</name>
    <message>
        <source>Ohm prima resistenza</source>
        <translation>Ohm first resistor</translation>
    </message>
    <message>
        <source>Ohm seconda resistenza</source>
        <translation>Ohm second resistor</translation>
    </message>
    <message>
        <source>Resistenza risultante  :  </source>
        <translation>Total resistance  :  </translation>
    </message>
    <message>
        <source> OHM</source>
        <translation> OHM</translation>
    </message>
    <message>
        <source>R1</source>
        <translation>R1</translation>
    </message>
    <message>
        <source>R2</source>
        <translation>R2</translation>
    </message>
    <message>
        <source>Il valore omico di più resistenze in parallelo è sempre inferiore al valore della più piccola delle resistenze</source>
        <translation>The resistance of several resistors in parallel is always lower than the smallest of them</translation>
    </message>
    <message>
        <source>chiude l&apos;applicazione</source>
        <translation>closes this window</translation>
    </message>
    <message>
        <source>RESISTENZE IN PARALLELO</source>
        <translation>RESISTORS IN PARALLEL</translation>
    </message>
</context>
<context>
    <name>frmreszener</name>
    <message>
        <source>Zener da 1/2 watt</source>
        <translation>1/2 watt zener</translation>
    </message>
    <message>
        <source>Zener da 1 watt</source>
        <translation>1 watt zener</translation>
    </message>
    <message>
        <source>Zener da 2 watt</source>
        <translation>2 watt zener</translation>
    </message>
    <message>
        <source>Zener utilizzato</source>
        <translation>Zener used</translation>
    </message>
    <message>
        <source>selezionare la potenza del diodo zener</source>
        <translation>choose the zener diode power</translation>
    </message>
    <message>
        <source>Tensione di alimentazione</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>input tensione non stabilizzata</source>
        <translation>unregulated input voltage</translation>
    </message>
    <message>
        <source>Tensione diodo zener</source>
        <translation>Zener diode voltage</translation>
    </message>
    <message>
        <source>Tens. stabilizzata</source>
        <translation>Regulated voltage</translation>
    </message>
    <message>
        <source>Assorbimento in milliAmpere</source>
        <translation>Current drawn in mA</translation>
    </message>
    <message>
        <source>corrente assorbita dal circuito</source>
        <translation>current drawn by the circuit</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>+ Vcc</source>
        <translation>+ Vcc</translation>
    </message>
    <message>
        <source>Vz</source>
        <translation>Vz</translation>
    </message>
    <message>
        <source>CALCOLO DELLA RESISTENZA DI CADUTA</source>
        <translation>DROPPING RESISTOR CALCULATION</translation>
    </message>
    <message>
        <source>VALORI DI TENSIONE ERRATI</source>
        <translation>WRONG VOLTAGE VALUES</translation>
    </message>
    <message>
        <source> V</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Dissipazione in Watt = %1</source>
        <translation>Dissipation in watts = %1</translation>
    </message>
    <message>
        <source> ohm</source>
        <translation> ohm</translation>
    </message>
    <message>
        <source>Valore della resistenza = Ohm %1</source>
        <translation>Resistor value = Ohm %1</translation>
    </message>
</context>
<context>
    <name>frmripple</name>
    <message>
        <source>L&apos;ondulazione residua (RIPPLE) presente all&apos;uscita di un ponte raddrizzatore, aumenta con il crescere della corrente e può essere ridotta aumentando la capacità del condensatore elettrolitico di livellamento. Una capacità troppo elevata è tuttavia causa di una elevata corrente in fase di accensione dell&apos;alimentatore, con possibile danno per i diodi se non sono di potenza adeguata.</source>
        <translation>The residual ripple at the output of a bridge rectifier grows with the current and can be reduced by a larger electrolytic smoothing capacitor. Too large a capacitance, however, draws a heavy current when the power supply is switched on, which can damage diodes that are not rated for it.</translation>
    </message>
    <message>
        <source>La situazione ottimale è pertanto quella che prevede un dimensionamento dell&apos;elettrolitico tale da ridurre il ripple a valori accettabili, senza danneggiare i diodi. Fissata la percentuale di ripple, si ricava il valore del condensatore.</source>
        <translation>The best choice is therefore an electrolytic that brings the ripple down to an acceptable level without harming the diodes. Given the ripple percentage, the capacitor value is found.</translation>
    </message>
    <message>
        <source>PERCENTUALE DI RIPPLE PREVISTA :</source>
        <translation>ALLOWED RIPPLE PERCENTAGE :</translation>
    </message>
    <message>
        <source>inserisci percentuale </source>
        <translation>enter the percentage </translation>
    </message>
    <message>
        <source>TENSIONE CC ALL&apos;USCITA DEL PONTE</source>
        <translation>DC VOLTAGE AT THE BRIDGE OUTPUT</translation>
    </message>
    <message>
        <source>inserisci Volt</source>
        <translation>enter volts</translation>
    </message>
    <message>
        <source>CORRENTE IN AMPERE :</source>
        <translation>CURRENT IN AMPS :</translation>
    </message>
    <message>
        <source>massima corrente prevista</source>
        <translation>maximum current allowed</translation>
    </message>
    <message>
        <source>il RIPPLE è definito come il rapporto tra il valore efficace della componente alternata e la componente continua</source>
        <translation>RIPPLE is the ratio of the RMS value of the AC component to the DC component</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Dimensionamento del condensatore anti ripple</source>
        <translation>Sizing the smoothing capacitor</translation>
    </message>
    <message>
        <source>VOLT EFFICACI DEL RIPPLE = %1</source>
        <translation>RMS RIPPLE VOLTS = %1</translation>
    </message>
    <message>
        <source>VOLT DI PICCO DEL RIPPLE = %1</source>
        <translation>PEAK RIPPLE VOLTS = %1</translation>
    </message>
    <message>
        <source>VOLT PICCO-PICCO DEL RIPPLE = %1</source>
        <translation>P-P RIPPLE VOLTS = %1</translation>
    </message>
    <message>
        <source>CAPACITA&apos; IN microFarad : %1</source>
        <translation>CAPACITANCE IN µF : %1</translation>
    </message>
</context>
<context>
    <name>frmrisonanza</name>
    <message>
        <source>Induttanza in microHenry</source>
        <translation>Inductance in µH</translation>
    </message>
    <message>
        <source>capacità in picoFarad</source>
        <translation>capacitance in pF</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>DATI COSTRUZIONE BOBINE</source>
        <translation>COIL WINDING DATA</translation>
    </message>
    <message>
        <source>COME RISULTATO DEL CALCOLO AVREMO LA FREQUENZA IN KHz, LA LUNGHEZZA D&apos;ONDA IN METRI E LA RESISTENZA DEL CIRCUITO ACCORDATO IN RISONANZA</source>
        <translation>THE RESULT IS THE FREQUENCY IN kHz, THE WAVELENGTH IN METRES AND THE RESISTANCE OF THE TUNED CIRCUIT AT RESONANCE</translation>
    </message>
    <message>
        <source>RISONANZA</source>
        <translation>RESONANCE</translation>
    </message>
    <message>
        <source>Frequenza in Khz  :  %1</source>
        <translation>Frequency in kHz  :  %1</translation>
    </message>
    <message>
        <source>Lunghezza d&apos;onda in mt. : %1</source>
        <translation>Wavelength in m : %1</translation>
    </message>
    <message>
        <source>Resistenza del circuito in risonanza : %1</source>
        <translation>Circuit resistance at resonance : %1</translation>
    </message>
</context>
<context>
    <name>frmros</name>
    <message>
        <source>MESSAGGGIO DI ERRORE</source>
        <translation>ERROR MESSAGE</translation>
    </message>
    <message>
        <source>Noto il rapporto di onde stazionarie e supponendo che le impedenze del TX e del cavo siano = 50 Ohm, si determina l&apos;impedenza dell&apos;antenna (che può essere più alta o più bassa di 50 ohm) e l&apos;energia riflessa e irradiata.</source>
        <translation>From the standing wave ratio, assuming TX and cable impedances of 50 Ohm, the antenna impedance (higher or lower than 50 ohm) and the reflected and radiated power are found.</translation>
    </message>
    <message>
        <source>RAPPORTO DI ONDE STAZIONARIE</source>
        <translation>STANDING WAVE RATIO</translation>
    </message>
    <message>
        <source>inserisci il ROS</source>
        <translation>enter the SWR</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>IMPEDENZA DELL&apos;ANTENNA IN RAPPORTO AL ROS</source>
        <translation>ANTENNA IMPEDANCE FROM THE SWR</translation>
    </message>
    <message>
        <source>INSERISCI DATO</source>
        <translation>ENTER A VALUE</translation>
    </message>
    <message>
        <source>Impedenza dell&apos;antenna = : %1 o </source>
        <translation>Antenna impedance = %1 or </translation>
    </message>
    <message>
        <source> ohm</source>
        <translation> ohm</translation>
    </message>
    <message>
        <source>Percentuale dell&apos;energia riflessa = : </source>
        <translation>Percentage of power reflected = </translation>
    </message>
    <message>
        <source>Percentuale dell&apos;energia irradiata = : </source>
        <translation>Percentage of power radiated = </translation>
    </message>
</context>
<context>
    <name>frmsezione</name>
    <message>
        <source>calcolo del diametro di un filo di rame in relazione all&apos;intensità di corrente</source>
        <translation>copper wire diameter for a given current</translation>
    </message>
    <message>
        <source>INTENSITA&apos; DI CORRENTE IN AMPERE</source>
        <translation>CURRENT IN AMPS</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Diametro filo di rame </source>
        <translation>Copper wire diameter </translation>
    </message>
    <message>
        <source>INSERISCI DATO</source>
        <translation>ENTER A VALUE</translation>
    </message>
    <message>
        <source>diametro minimo =  %1</source>
        <translation>minimum diameter =  %1</translation>
    </message>
    <message>
        <source>diametro normale =  %1</source>
        <translation>standard diameter =  %1</translation>
    </message>
    <message>
        <source>pari a sezione mmq : %1</source>
        <translation>cross-section mm² : %1</translation>
    </message>
</context>
<context>
    <name>frmtemperatura</name>
    <message>
        <source>COMPARAZIONE TRA GRADI CENTIGRADI ED ALTRI SISTEMI DI MISURAZIONE</source>
        <translation>DEGREES CELSIUS COMPARED WITH OTHER SCALES</translation>
    </message>
    <message>
        <source>GRADI CENTIGRADI</source>
        <translation>DEGREES CELSIUS</translation>
    </message>
    <message>
        <source>GRADI FAHRENHEIT</source>
        <translation>DEGREES FAHRENHEIT</translation>
    </message>
    <message>
        <source>GRADI REAUMUR</source>
        <translation>DEGREES REAUMUR</translation>
    </message>
    <message>
        <source>GRADI KELVIN</source>
        <translation>KELVIN</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>COMPARAZIONI TERMOMETRICHE</source>
        <translation>TEMPERATURE SCALES</translation>
    </message>
</context>
<context>
    <name>frmtrappolata</name>
    <message>
        <source>trappola di blocco</source>
        <translation>loading coil</translation>
    </message>
    <message>
        <source>FREQUENZA in MHz</source>
        <translation>FREQUENCY in MHz</translation>
    </message>
    <message>
        <source>frequenza centro banda</source>
        <translation>band centre frequency</translation>
    </message>
    <message>
        <source>DIAMETRO DEL CONDUTTORE in mm. (d)</source>
        <translation>CONDUCTOR DIAMETER in mm (d)</translation>
    </message>
    <message>
        <source>diametro del filo del dipolo</source>
        <translation>dipole wire diameter</translation>
    </message>
    <message>
        <source>DISTANZA DELLA BOBINA DAL CENTRO in mt. (A)</source>
        <translation>COIL DISTANCE FROM THE CENTRE in m (A)</translation>
    </message>
    <message>
        <source>distanza centro antenna/centrobobina</source>
        <translation>antenna centre to coil centre</translation>
    </message>
    <message>
        <source>LUNGHEZZA TOTALE A DISPOSIZIONE in mt. (B)</source>
        <translation>TOTAL LENGTH AVAILABLE in m (B)</translation>
    </message>
    <message>
        <source>tratto B, lunghezza totale dipolo</source>
        <translation>section B, total dipole length</translation>
    </message>
    <message>
        <source>separare i decimali con il punto del tastierino numerico</source>
        <translation>use the point (on the keypad) for decimals</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>ricava il valore dell&apos;induttanza</source>
        <translation>finds the inductance</translation>
    </message>
    <message>
        <source>COSTRUZIONE BOBINE</source>
        <translation>COIL CONSTRUCTION</translation>
    </message>
    <message>
        <source>rimanda al calcolo delle bobine</source>
        <translation>goes to the coil calculation</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>esce dall&apos;applicazione</source>
        <translation>closes this window</translation>
    </message>
    <message>
        <source>discesa coax</source>
        <translation>coax feed</translation>
    </message>
    <message>
        <source>discesa cavo coax </source>
        <translation>coax feed line </translation>
    </message>
    <message>
        <source>  A</source>
        <translation>  A</translation>
    </message>
    <message>
        <source>lungh.del tratto corispondente alla fr. più alta</source>
        <translation>len. of the section for the higher freq.</translation>
    </message>
    <message>
        <source>  B</source>
        <translation>  B</translation>
    </message>
    <message>
        <source>lunghezza totale del dipolo</source>
        <translation>total dipole length</translation>
    </message>
    <message>
        <source>= d</source>
        <translation>= d</translation>
    </message>
    <message>
        <source>ANTENNE ACCORCIATE - VALORE DELL&apos; INDUTTANZA IN RAPPORTO ALLE DIMENSIONI</source>
        <translation>SHORTENED ANTENNAS - INDUCTANCE FROM THE DIMENSIONS</translation>
    </message>
    <message>
        <source>RADIATORE PIU&apos; LUNGO DI 1/2 LAMBDA</source>
        <translation>RADIATOR LONGER THAN 1/2 WAVE</translation>
    </message>
    <message>
        <source>DISTANZA ECCESSIVA</source>
        <translation>DISTANCE TOO GREAT</translation>
    </message>
    <message>
        <source>L&apos;INDUTTANZA DELLA BOBINA E&apos; micro HENRY : %1</source>
        <translation>COIL INDUCTANCE, µH : %1</translation>
    </message>
</context>
<context>
    <name>frmtrasformatori</name>
    <message>
        <source>Gli elementi principali che individuano un trasformatrore sono la potenza (in Watt) che è proporzionale alla sezione del nucleo,  la tensione dell&apos;avvolgimento primario e quella dell&apos;avvolgimento secondario o dei secondari. La potenza è inoltre dipendente dalla qualità dei lamierini.</source>
        <translation>A transformer is defined mainly by its power (in watts), which is proportional to the core section,  the voltage of the primary winding and that of the secondary winding or windings. The power also depends on the quality of the laminations.</translation>
    </message>
    <message>
        <source>QUALITA&apos;  DEI  LAMIERINI</source>
        <translation>LAMINATION  QUALITY</translation>
    </message>
    <message>
        <source>Qualità bassa</source>
        <translation>Low grade</translation>
    </message>
    <message>
        <source>Qualità media</source>
        <translation>Medium grade</translation>
    </message>
    <message>
        <source>A granuli orientati</source>
        <translation>Grain-oriented</translation>
    </message>
    <message>
        <source>larghezza del nucleo in mm</source>
        <translation>core width in mm</translation>
    </message>
    <message>
        <source>altezza del nucleo in mm</source>
        <translation>core height in mm</translation>
    </message>
    <message>
        <source>Tensione primario in Volt</source>
        <translation>Primary voltage in volts</translation>
    </message>
    <message>
        <source>Tensione secondario in Volt</source>
        <translation>Secondary voltage in volts</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>SEZIONE LORDA  mmq</source>
        <translation>GROSS SECTION  mm²</translation>
    </message>
    <message>
        <source>SEZIONE NETTA  mmq</source>
        <translation>NET SECTION  mm²</translation>
    </message>
    <message>
        <source>POTENZA IN WATT</source>
        <translation>POWER IN WATTS</translation>
    </message>
    <message>
        <source>AMPER PRIMARIO</source>
        <translation>PRIMARY AMPS</translation>
    </message>
    <message>
        <source>AMPER  SECONDARIO</source>
        <translation>SECONDARY  AMPS</translation>
    </message>
    <message>
        <source>SPIRE PER VOLT PRIMARIO</source>
        <translation>PRIMARY TURNS PER VOLT</translation>
    </message>
    <message>
        <source>SPIRE PER VOLT SECONDARIO</source>
        <translation>SECONDARY TURNS PER VOLT</translation>
    </message>
    <message>
        <source>TOTALE SPIRE PRIMARIO</source>
        <translation>TOTAL PRIMARY TURNS</translation>
    </message>
    <message>
        <source>TOTALE SPIRE SECONDARIO</source>
        <translation>TOTAL SECONDARY TURNS</translation>
    </message>
    <message>
        <source>DIAMETRO DEL FILO PRIM.  mm</source>
        <translation>PRIM. WIRE DIAMETER  mm</translation>
    </message>
    <message>
        <source>DIAMETRO DEL FILO SEC.   mm</source>
        <translation>SEC. WIRE DIAMETER   mm</translation>
    </message>
    <message>
        <source>CALCOLO TRASFORMATORI DI ALIMENTAZIONE</source>
        <translation>MAINS TRANSFORMER DESIGN</translation>
    </message>
    <message>
        <source>SEZIONE TROPPO PICCOLA</source>
        <translation>SECTION TOO SMALL</translation>
    </message>
    <message>
        <source>SEZIONE TROPPO GROSSA</source>
        <translation>SECTION TOO LARGE</translation>
    </message>
    <message>
        <source>SEZIONE LORDA mmq: %1</source>
        <translation>GROSS SECTION mm²: %1</translation>
    </message>
    <message>
        <source>SEZIONE NETTA mmq: %1</source>
        <translation>NET SECTION mm²: %1</translation>
    </message>
    <message>
        <source>SPIRE PER VOLT PRIMARIO N. %1</source>
        <translation>PRIMARY TURNS PER VOLT: %1</translation>
    </message>
    <message>
        <source>SPIRE PER VOLT SECONDARIO N. %1</source>
        <translation>SECONDARY TURNS PER VOLT: %1</translation>
    </message>
    <message>
        <source>TOTALE SPIRE PRIMARIO N. %1</source>
        <translation>TOTAL PRIMARY TURNS: %1</translation>
    </message>
    <message>
        <source>TOTALE SPIRE SECONDARIO N. %1</source>
        <translation>TOTAL SECONDARY TURNS: %1</translation>
    </message>
    <message>
        <source>DIAMETRO FILO PRIM. mm. %1</source>
        <translation>PRIM. WIRE DIAMETER mm %1</translation>
    </message>
    <message>
        <source>DIAMETRO FILO SEC.  mm. %1</source>
        <translation>SEC. WIRE DIAMETER  mm %1</translation>
    </message>
    <message>
        <source>AMPER PRIMARIO : %1</source>
        <translation>PRIMARY AMPS : %1</translation>
    </message>
    <message>
        <source>AMPER SECONDARIO : %1</source>
        <translation>SECONDARY AMPS : %1</translation>
    </message>
    <message>
        <source>POTENZA IN WATT : %1</source>
        <translation>POWER IN WATTS : %1</translation>
    </message>
</context>
<context>
    <name>frmvalinduttanza</name>
    <message>
        <source>INDUTTANZA :</source>
        <translation>INDUCTANCE :</translation>
    </message>
    <message>
        <source>CAPACITA&apos; :</source>
        <translation>CAPACITANCE :</translation>
    </message>
    <message>
        <source>FREQUENZA :</source>
        <translation>FREQUENCY :</translation>
    </message>
    <message>
        <source> microH</source>
        <translation> µH</translation>
    </message>
    <message>
        <source> pF</source>
        <translation> pF</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>INDUTTANZA e CAPACITA&apos;</source>
        <translation>INDUCTANCE and CAPACITANCE</translation>
    </message>
    <message>
        <source>FREQUENZA e INDUTTANZA</source>
        <translation>FREQUENCY and INDUCTANCE</translation>
    </message>
    <message>
        <source>FREQUENZA e CAPACITA&apos;</source>
        <translation>FREQUENCY and CAPACITANCE</translation>
    </message>
    <message>
        <source>Per bobine senza schermo e senza nucleo</source>
        <translation>For unshielded and air-core coils</translation>
    </message>
    <message>
        <source>dati conosciuti</source>
        <translation>known values</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>DATI PRATICI COSTRUZIONE BOBINE</source>
        <translation>PRACTICAL COIL DATA</translation>
    </message>
    <message>
        <source>Calcolo dei parametri di un circuito con  L C in parallelo</source>
        <translation>Parameters of a circuit with  L C in parallel</translation>
    </message>
</context>
<context>
    <name>frmvertaccorciata</name>
    <message>
        <source>separare i decimali con il punto</source>
        <translation>use the point for decimals</translation>
    </message>
    <message>
        <source>CALCOLO INDUTTANZA DELLA BOBINA IN ARIA</source>
        <translation>INDUCTANCE OF AN AIR-CORE COIL</translation>
    </message>
    <message>
        <source>LUNGHEZZA TOTALE RADIATORE in mt.</source>
        <translation>TOTAL RADIATOR LENGTH in m</translation>
    </message>
    <message>
        <source>DISTANZA BOBINA DALLA BASE in mt.</source>
        <translation>COIL HEIGHT ABOVE THE BASE in m</translation>
    </message>
    <message>
        <source>DIAMETRO DEL RADIATORE in mm</source>
        <translation>RADIATOR DIAMETER in mm</translation>
    </message>
    <message>
        <source>FREQUENZA  in MHz</source>
        <translation>FREQUENCY  in MHz</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Costruzione bobine</source>
        <translation>Coil construction</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>dist.</source>
        <translation>dist.</translation>
    </message>
    <message>
        <source>lung.</source>
        <translation>len.</translation>
    </message>
    <message>
        <source>ANTENNA VERTICALE ACCORCIATA</source>
        <translation>SHORTENED VERTICAL ANTENNA</translation>
    </message>
    <message>
        <source>RADIATORE PIU&apos; LUNGO DI 1/2 LAMBDA</source>
        <translation>RADIATOR LONGER THAN 1/2 WAVE</translation>
    </message>
    <message>
        <source>DISTANZA ECCESSIVA</source>
        <translation>DISTANCE TOO GREAT</translation>
    </message>
    <message>
        <source>INDUTTANZA in micro HENRY : %1</source>
        <translation>INDUCTANCE in µH : %1</translation>
    </message>
    <message>
        <source>LUNGHEZZA ANTENNA IN GRADI  :  %1</source>
        <translation>ANTENNA LENGTH IN DEGREES  :  %1</translation>
    </message>
    <message>
        <source>RESISTENZA DI RADIAZIONE = %1</source>
        <translation>RADIATION RESISTANCE = %1</translation>
    </message>
</context>
<context>
    <name>frmvolt</name>
    <message>
        <source>VOLT EFFICACI</source>
        <translation>RMS VOLTS</translation>
    </message>
    <message>
        <source>VOLT di picco : </source>
        <translation>PEAK volts : </translation>
    </message>
    <message>
        <source>VOLT picco picco : </source>
        <translation>P-P volts : </translation>
    </message>
    <message>
        <source>VOLT DI PICCO</source>
        <translation>PEAK VOLTS</translation>
    </message>
    <message>
        <source>VOLT efficaci : </source>
        <translation>RMS volts : </translation>
    </message>
    <message>
        <source>VOLT PICCO PICCO</source>
        <translation>P-P VOLTS</translation>
    </message>
    <message>
        <source>Dato conosciuto</source>
        <translation>Known value</translation>
    </message>
    <message>
        <source>inserisci il voltaggio</source>
        <translation>enter the voltage</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>VOLT EFFETTIVI - VOLT DI PICCO - VOLT PICCO PICCO</source>
        <translation>RMS VOLTS - PEAK VOLTS - PEAK-TO-PEAK VOLTS</translation>
    </message>
    <message>
        <source>INPUT NON VALIDO</source>
        <translation>INVALID INPUT</translation>
    </message>
    <message>
        <source>MESSAGGIO DI ERRORE</source>
        <translation>ERROR MESSAGE</translation>
    </message>
    <message>
        <source>VOLT VALORE MEDIO : %1</source>
        <translation>AVERAGE VOLTS : %1</translation>
    </message>
</context>
<context>
    <name>ondalab</name>
    <message>
        <source>ONDALAB</source>
        <translation>ONDALAB</translation>
    </message>
    <message>
        <source>Raccolta di calcoli per radioamatori e hobbisti di elettronica</source>
        <translation>Calculations for radio amateurs and electronics hobbyists</translation>
    </message>
    <message>
        <source>Programma di libero uso, senza alcuna garanzia: l&apos;autore non risponde dell&apos;uso dei risultati.</source>
        <translation>Free to use, with no warranty: the author is not liable for any use of the results.</translation>
    </message>
    <message>
        <source>VERSIONE 2.4.1</source>
        <translation>VERSION 2.4.1</translation>
    </message>
    <message>
        <source>Q0QQQ  4/2002</source>
        <translation>Q0QQQ  4/2002</translation>
    </message>
    <message>
        <source>In ogni maschera i decimali devono essere separati dalle unità dal punto del tastierino numerico; il sistema è risultato molto più pratico e veloce rispetto l&apos;uso della virgola.</source>
        <translation>In every window decimals are separated from units by the point of the numeric keypad; this proved much quicker and handier than the comma.</translation>
    </message>
    <message>
        <source>CHIUDI</source>
        <translation>CLOSE</translation>
    </message>
    <message>
        <source>Le formule utilizzate sono quelle riportate sui vari testi e/o articoli sull&apos;argomento. I risultati ottenuti, sono in ogni caso da considerare come indicativi, in quanto, a prescindere dall&apos;esattezza delle formule stesse, troppi fattori, anche imprevedibili, fanno si che l&apos;attuazione pratica si discosti dal calcolo teorico.  Esso rimane, tuttavia, indispensabile quale dato di partenza ai fini della realizzazione.</source>
        <translation>The formulas are those given in the various books and articles on the subject. The results are in any case indicative only: however exact the formulas, too many factors, some unforeseeable, make practice depart from theory.  The calculation nevertheless remains the indispensable starting point for building.</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>AVVERTENZA</source>
        <translation>DISCLAIMER</translation>
    </message>
    <message>
        <source>VELARIO</source>
        <translation>VELARIO</translation>
    </message>
    <message>
        <source>clicca per fermare</source>
        <translation>click to stop</translation>
    </message>
    <message>
        <source>Q0 QQQ</source>
        <translation>Q0 QQQ</translation>
    </message>
    <message>
        <source>&amp;Volt</source>
        <translation>&amp;Volts</translation>
    </message>
    <message>
        <source>&amp;Ohm</source>
        <translation>&amp;Ohm&apos;s law</translation>
    </message>
    <message>
        <source>Decibel</source>
        <translation>Decibels</translation>
    </message>
    <message>
        <source>dBWatt - dBmWatt</source>
        <translation>dBW - dBm</translation>
    </message>
    <message>
        <source>dBmicroVolt</source>
        <translation>dBµV</translation>
    </message>
    <message>
        <source>Volt R.M.S.</source>
        <translation>RMS volts</translation>
    </message>
    <message>
        <source>C&amp;ircuiti L C</source>
        <translation>LC C&amp;ircuits</translation>
    </message>
    <message>
        <source>Filtri</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Filtri passa alto</source>
        <translation>High-pass filters</translation>
    </message>
    <message>
        <source>Filtri passa basso</source>
        <translation>Low-pass filters</translation>
    </message>
    <message>
        <source>Filtripassabanda</source>
        <translation>Band-pass filters</translation>
    </message>
    <message>
        <source>Sintonia</source>
        <translation>Tuning</translation>
    </message>
    <message>
        <source>Reattanza</source>
        <translation>Reactance</translation>
    </message>
    <message>
        <source>Bobine per HF</source>
        <translation>HF coils</translation>
    </message>
    <message>
        <source>Bobine per UHF</source>
        <translation>UHF coils</translation>
    </message>
    <message>
        <source>Circuiti RLC</source>
        <translation>RLC circuits</translation>
    </message>
    <message>
        <source>Risonanza</source>
        <translation>Resonance</translation>
    </message>
    <message>
        <source>Imped. a risonanza</source>
        <translation>Imped. at resonance</translation>
    </message>
    <message>
        <source>&amp;Antenne</source>
        <translation>&amp;Antennas</translation>
    </message>
    <message>
        <source>Dipoli</source>
        <translation>Dipoles</translation>
    </message>
    <message>
        <source>Dipoli 1/2 lambda</source>
        <translation>Half-wave dipoles</translation>
    </message>
    <message>
        <source>Dipolo multigamma</source>
        <translation>Multiband dipole</translation>
    </message>
    <message>
        <source>Multigamma trapp.coax</source>
        <translation>Coax-trap multiband</translation>
    </message>
    <message>
        <source>Dipolo accorciato</source>
        <translation>Shortened dipole</translation>
    </message>
    <message>
        <source>Verticali</source>
        <translation>Verticals</translation>
    </message>
    <message>
        <source>Verticale accorciata</source>
        <translation>Shortened vertical</translation>
    </message>
    <message>
        <source>Accorciata alla base</source>
        <translation>Base-loaded vertical</translation>
    </message>
    <message>
        <source>Cappello capacitivo</source>
        <translation>Capacity hat</translation>
    </message>
    <message>
        <source>Verticale 5/8 lambda</source>
        <translation>5/8-wave vertical</translation>
    </message>
    <message>
        <source>Verticale J</source>
        <translation>J-pole vertical</translation>
    </message>
    <message>
        <source>LoopAntenna</source>
        <translation>Loop antenna</translation>
    </message>
    <message>
        <source>Onda diretta VHF</source>
        <translation>VHF line of sight</translation>
    </message>
    <message>
        <source>Segnali d&apos;antenna</source>
        <translation>Antenna signals</translation>
    </message>
    <message>
        <source>da dipolo</source>
        <translation>from dipole</translation>
    </message>
    <message>
        <source>da ant.generica</source>
        <translation>from any ant.</translation>
    </message>
    <message>
        <source>&amp;Linee</source>
        <translation>&amp;Lines</translation>
    </message>
    <message>
        <source>Adattattori Imp.za</source>
        <translation>Imp. matching</translation>
    </message>
    <message>
        <source>Gamma match</source>
        <translation>Gamma match</translation>
    </message>
    <message>
        <source>R.O.S.</source>
        <translation>SWR</translation>
    </message>
    <message>
        <source>Balun Choke</source>
        <translation>Balun Choke</translation>
    </message>
    <message>
        <source>Gradi Elettrici</source>
        <translation>Electrical Degrees</translation>
    </message>
    <message>
        <source>Imp.linea coax</source>
        <translation>Coax line imp.</translation>
    </message>
    <message>
        <source>Imp.linea bifilare</source>
        <translation>Two-wire line imp.</translation>
    </message>
    <message>
        <source>Lung.Elettrica</source>
        <translation>Elec. length</translation>
    </message>
    <message>
        <source>&amp;Condensatori</source>
        <translation>&amp;Capacitors</translation>
    </message>
    <message>
        <source>C/serie</source>
        <translation>C/series</translation>
    </message>
    <message>
        <source>C/anti ripple</source>
        <translation>C/smoothing</translation>
    </message>
    <message>
        <source>Costr.condensatori</source>
        <translation>Capacitor constr.</translation>
    </message>
    <message>
        <source>&amp;Resistenze</source>
        <translation>&amp;Resistors</translation>
    </message>
    <message>
        <source>R/parallelo</source>
        <translation>R/parallel</translation>
    </message>
    <message>
        <source>Partitori resist.</source>
        <translation>Resist. dividers</translation>
    </message>
    <message>
        <source>Attenuatori resistivi</source>
        <translation>Resistive attenuators</translation>
    </message>
    <message>
        <source>Res.per Zener</source>
        <translation>Zener resistor</translation>
    </message>
    <message>
        <source>Transistor</source>
        <translation>Transistor</translation>
    </message>
    <message>
        <source>Common Emitter</source>
        <translation>Common Emitter</translation>
    </message>
    <message>
        <source>&amp;Trasformatori</source>
        <translation>&amp;Transformers</translation>
    </message>
    <message>
        <source>&amp;Varie</source>
        <translation>&amp;Misc</translation>
    </message>
    <message>
        <source>Dizionario</source>
        <translation>Glossary</translation>
    </message>
    <message>
        <source>Peso specifico</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Pollici Inglesi</source>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Prefissi moltiplicativi</source>
        <translation>Multiplier prefixes</translation>
    </message>
    <message>
        <source>Resistività</source>
        <translation>Resistivity</translation>
    </message>
    <message>
        <source>Sezione filo</source>
        <translation>Wire size</translation>
    </message>
    <message>
        <source>Strumenti</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>shunt per amp.</source>
        <translation>ammeter shunt</translation>
    </message>
    <message>
        <source>estens.voltm.</source>
        <translation>voltm. multiplier</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Leggimi</source>
        <translation>Read me</translation>
    </message>
    <message>
        <source>INTESITA&apos; DEI SEGNALI D&apos;ANTENNA</source>
        <translation>SIGNAL STRENGTH FROM A DIPOLE</translation>
    </message>
    <message>
        <source>VALORE TEORICO DEL FLUSSO DI POTENZA  DEI SEGNALI IRRADIATI DA UN DIPOLO A MEZZ &apos; ONDA IPOTETICAMENTE RISCONTRABILI AD UNA DETERMINATA DISTANZA </source>
        <translation>THEORETICAL POWER FLOW  OF THE SIGNALS RADIATED BY A HALF-WAVE DIPOLE, AS THEY WOULD BE FOUND AT A GIVEN DISTANCE </translation>
    </message>
    <message>
        <source>NELL&apos;IPOTESI CHE IL SEGNALE VENGA TRASMESSO E RICEVUTO DA DUE DIPOLI  A MEZZ&apos; ONDA E SENZA TENERE CONTO DELLE VARIAZIONI DI PROPAGAZIONE</source>
        <translation>ASSUMING THE SIGNAL IS SENT AND RECEIVED BY TWO HALF-WAVE  DIPOLES, IGNORING PROPAGATION VARIATIONS</translation>
    </message>
    <message>
        <source>POTENZA GENERATA NEL DIPOLO RICEVENTE : </source>
        <translation>POWER IN THE RECEIVING DIPOLE : </translation>
    </message>
    <message>
        <source>TENSIONE NEL DIPOLO RICEVENTE : </source>
        <translation>VOLTAGE IN THE RECEIVING DIPOLE : </translation>
    </message>
    <message>
        <source>E S C I</source>
        <translation>E X I T</translation>
    </message>
    <message>
        <source>INTENSITA&apos;  DEI SEGNALI D&apos; ANTENNA</source>
        <translation>SIGNAL STRENGTH FROM ANY ANTENNA</translation>
    </message>
    <message>
        <source>VALORE TEORICO DEL FLUSSO DI POTENZA  DEI SEGNALI IRRADIATI DA UNA ANTENNA  IPOTETICAMENTE RISCONTRABILI AD UNA DETERMINATA DISTANZA </source>
        <translation>THEORETICAL POWER FLOW  OF THE SIGNALS RADIATED BY AN ANTENNA,  AS THEY WOULD BE FOUND AT A GIVEN DISTANCE </translation>
    </message>
    <message>
        <source>SENZA TENERE CONTO DELLE VARIAZIONI DI PROPAGAZIONE</source>
        <translation>IGNORING PROPAGATION VARIATIONS</translation>
    </message>
    <message>
        <source>POTENZA GENERATA NELL&apos;ANTENNA RICEVENTE : </source>
        <translation>POWER IN THE RECEIVING ANTENNA : </translation>
    </message>
    <message>
        <source>TENSIONE NELL&apos;ANTENNA RICEVENTE : </source>
        <translation>VOLTAGE IN THE RECEIVING ANTENNA : </translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>distanza su cui effettuare il calcolo</source>
        <translation>distance to calculate for</translation>
    </message>
    <message>
        <source>POTENZA DEL TRASMETTITORE IN WATT</source>
        <translation>TRANSMITTER POWER IN WATTS</translation>
    </message>
    <message>
        <source>DISTANZA DAL TRASMETTITORE IN KM</source>
        <translation>DISTANCE FROM THE TRANSMITTER IN km</translation>
    </message>
    <message>
        <source>FREQUENZA DI TRASMISSIONE IN Mhz</source>
        <translation>TRANSMIT FREQUENCY IN MHz</translation>
    </message>
    <message>
        <source>GUADAGNO DELL&apos;ANT. TX RISPETTO AL DIPOLO ISOTROPICO</source>
        <translation>TX ANT. GAIN OVER ISOTROPIC</translation>
    </message>
    <message>
        <source>1.64 per il dipolo</source>
        <translation>1.64 for a dipole</translation>
    </message>
    <message>
        <source>GUADAGNO DELL&apos;ANT. RX RISPETTO AL DIPOLO ISOTROPICO</source>
        <translation>RX ANT. GAIN OVER ISOTROPIC</translation>
    </message>
    <message>
        <source>CALCOLA</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>DENSITA&apos; DI POTENZA DELL&apos; ONDA  :  %1  microWATT/mq </source>
        <translation>POWER DENSITY OF THE WAVE  :  %1  µW/m² </translation>
    </message>
    <message>
        <source> microWATT </source>
        <translation> µW </translation>
    </message>
    <message>
        <source>INTENSITA&apos; CAMPO ELETTRICO IN RICEZIONE : %1 milliVOLT/mt </source>
        <translation>RECEIVED ELECTRIC FIELD STRENGTH : %1 mV/m </translation>
    </message>
    <message>
        <source>INTENSITA&apos; CAMPO MAGNETICO IN RICEZIONE : %1 microAMP/mt </source>
        <translation>RECEIVED MAGNETIC FIELD STRENGTH : %1 µA/m </translation>
    </message>
    <message>
        <source> milliVOLT </source>
        <translation> mV </translation>
    </message>
    <message>
        <source>Circolare</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Ottagonale</source>
        <translation>Octagonal</translation>
    </message>
    <message>
        <source>Quadrata</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Resistenza di radiazione</source>
        <translation>Radiation resistance</translation>
    </message>
    <message>
        <source>Perdita del conduttore in rame</source>
        <translation>Copper conductor loss</translation>
    </message>
    <message>
        <source>Percentuale di efficienza     %</source>
        <translation>Efficiency     %</translation>
    </message>
    <message>
        <source>Induttanza del loop in Henry</source>
        <translation>Loop inductance in henry</translation>
    </message>
    <message>
        <source>Reattanza induttiva in ohm</source>
        <translation>Inductive reactance in ohm</translation>
    </message>
    <message>
        <source>Condensatore di sintonia in pF</source>
        <translation>Tuning capacitor in pF</translation>
    </message>
    <message>
        <source>Condensatore d&apos;accoppiamento</source>
        <translation>Coupling capacitor</translation>
    </message>
    <message>
        <source>clicca su info condensatore</source>
        <translation>click Capacitor info</translation>
    </message>
    <message>
        <source>fattore di merito Q</source>
        <translation>Q factor</translation>
    </message>
    <message>
        <source>Banda passante in Khz</source>
        <translation>Bandwidth in kHz</translation>
    </message>
    <message>
        <source>Tensione al condensatore in Volt.</source>
        <translation>Capacitor voltage in volts</translation>
    </message>
    <message>
        <source>Efficienza in DB</source>
        <translation>Efficiency in dB</translation>
    </message>
    <message>
        <source>Capacità distribuita del Loop</source>
        <translation>Distributed capacitance of the loop</translation>
    </message>
    <message>
        <source>&amp;CALCOLA</source>
        <translation>&amp;CALCULATE</translation>
    </message>
    <message>
        <source>Info condensatore</source>
        <translation>Capacitor info</translation>
    </message>
    <message>
        <source>accoppiamento capacitivo</source>
        <translation>capacitive coupling</translation>
    </message>
    <message>
        <source>I N F O</source>
        <translation>I N F O</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>stampa dei dati ottenuti</source>
        <translation>prints the results</translation>
    </message>
    <message>
        <source> ANTENNE A LOOP   calcolo dei parametri   principali </source>
        <translation> LOOP ANTENNAS   calculation of the   main parameters </translation>
    </message>
    <message>
        <source>Q0 QQQ  Vers. 2. </source>
        <translation>Q0 QQQ  Vers. 2. </translation>
    </message>
    <message>
        <source>Forma del loop</source>
        <translation>Loop shape</translation>
    </message>
    <message>
        <source>scegli la forma</source>
        <translation>choose the shape</translation>
    </message>
    <message>
        <source>Inserimento dati</source>
        <translation>Data entry</translation>
    </message>
    <message>
        <source>diametro o lato in cm.</source>
        <translation>diameter or side in cm</translation>
    </message>
    <message>
        <source>diametro del cerchio o lato del poligono</source>
        <translation>diameter of the circle or side of the polygon</translation>
    </message>
    <message>
        <source>sezione in mm</source>
        <translation>tube dia. in mm</translation>
    </message>
    <message>
        <source>sezione del tubo del loop</source>
        <translation>loop tube diameter</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>frequenza di lavoro prevista</source>
        <translation>intended operating frequency</translation>
    </message>
    <message>
        <source>potenza in Watt</source>
        <translation>power in watts</translation>
    </message>
    <message>
        <source>massima potenza prevista</source>
        <translation>maximum power allowed</translation>
    </message>
    <message>
        <source>Lunghezza del loop in cm.</source>
        <translation>Loop length in cm</translation>
    </message>
    <message>
        <source>lung. in piedi : </source>
        <translation>len. in feet : </translation>
    </message>
    <message>
        <source>Sez.in pollici :</source>
        <translation>Tube dia. in inches :</translation>
    </message>
    <message>
        <source>Antenne a loop di piccola dimensione</source>
        <translation>Small loop antennas</translation>
    </message>
    <message>
        <source>ANTENNA LOOP DI FORMA %1 di area mq.: </source>
        <translation>%1 LOOP ANTENNA, area in m²: </translation>
    </message>
    <message>
        <source>diametro in cm.</source>
        <translation>diameter in cm</translation>
    </message>
    <message>
        <source>lato in cm.</source>
        <translation>side in cm</translation>
    </message>
    <message>
        <source>STAMPA DEL %1</source>
        <translation>PRINTED ON %1</translation>
    </message>
    <message>
        <source>I calcoli di questo programma si rifanno agli articoli sulle antenne a loop di piccola dimensione pubblicati nel corso degli anni da una rivista di radiotecnica.</source>
        <translation>The calculations of this program follow the articles on small loop antennas that a radio engineering magazine has published over the years.</translation>
    </message>
    <message>
        <source>Buoni collegamenti a tutti!   73 de Q0 QQQ</source>
        <translation>Good contacts to all!   73 de Q0 QQQ</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Il condensatore di accoppiamento è quello previsto nell&apos;ipotesi di accoppiamento della linea coassiale al loop  con il metodo capacitivo</source>
        <translation>The coupling capacitor is the one used when the coaxial line is coupled to the loop  by the capacitive method</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>FILTRI PASSA BASSO</source>
        <translation>LOW-PASS FILTERS</translation>
    </message>
    <message>
        <source>filtro a PI- GRECO</source>
        <translation>pi filter</translation>
    </message>
    <message>
        <source>filtro a T</source>
        <translation>T filter</translation>
    </message>
    <message>
        <source>FREQUENZA DI TAGLIO IN MHz :</source>
        <translation>CUT-OFF FREQUENCY IN MHz :</translation>
    </message>
    <message>
        <source>IMPEDENZA (di solito = 50 ohm)</source>
        <translation>IMPEDANCE (usually = 50 ohm)</translation>
    </message>
    <message>
        <source>L&apos;attenuazione teorica è di 24 dB x ottava.Qualora l&apos;attenuazione di una singola cella non fosse sufficiente, occorrerà collegare in serie due o più celle.</source>
        <translation>The theoretical attenuation is 24 dB per octave. Should one section not attenuate enough, cascade two or more sections.</translation>
    </message>
    <message>
        <source>FILTRI PASSA ALTO</source>
        <translation>HIGH-PASS FILTERS</translation>
    </message>
    <message>
        <source>FILTRO a P-GRECO</source>
        <translation>PI FILTER</translation>
    </message>
    <message>
        <source>FILTRO a T</source>
        <translation>T FILTER</translation>
    </message>
    <message>
        <source>FREQUENZA DI TAGLIO IN MHz</source>
        <translation>CUT-OFF FREQUENCY IN MHz</translation>
    </message>
    <message>
        <source>IMPEDENZA (di solito = 50 Ohm)</source>
        <translation>IMPEDANCE (usually = 50 Ohm)</translation>
    </message>
    <message>
        <source>L&apos;attenuazione teorica è di 24 db x ottava. Qualora l&apos;attenuazione di una singola cella non fosse sufficiente, occorrerà collegare in serie due o più celle.</source>
        <translation>The theoretical attenuation is 24 dB per octave. Should one section not attenuate enough, cascade two or more sections.</translation>
    </message>
    <message>
        <source>ingresso</source>
        <translation>input</translation>
    </message>
    <message>
        <source>uscita</source>
        <translation>output</translation>
    </message>
    <message>
        <source>clicca su di me</source>
        <translation>click me</translation>
    </message>
    <message>
        <source>PER I CALCOLI CLICCA SUL TIPO DI FILTRO PRESCELTO</source>
        <translation>CLICK THE FILTER TYPE YOU WANT TO CALCULATE</translation>
    </message>
    <message>
        <source>clicca sul circuito</source>
        <translation>click the circuit</translation>
    </message>
    <message>
        <source>DATI COSTRUZIONE BOBINE</source>
        <translation>COIL WINDING DATA</translation>
    </message>
    <message>
        <source>INDUTTANZA in microHENRY di L : %1</source>
        <translation>INDUCTANCE of L in µH : %1</translation>
    </message>
    <message>
        <source>CAPACITA&apos; in picoFARAD di C : %1</source>
        <translation>CAPACITANCE of C in pF : %1</translation>
    </message>
    <message>
        <source>clicca sulla freccia</source>
        <translation>click the arrow</translation>
    </message>
    <message>
        <source>Abbreviazioni e terminologia ricorrente</source>
        <translation>Common abbreviations and terms</translation>
    </message>
    <message>
        <source>A/D  =  convertitore da analogico a digitale</source>
        <translation>A/D  =  analogue-to-digital converter</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Peso specifico in Kg./dm3</source>
        <translation>Density in kg/dm³</translation>
    </message>
    <message>
        <source>ALLUMINIO = 2.70</source>
        <translation>ALUMINIUM = 2.70</translation>
    </message>
    <message>
        <source>Resistività di alcuni metalli in microhm-cm</source>
        <translation>Resistivity of some metals in microhm-cm</translation>
    </message>
    <message>
        <source>ACCIAIO = da 10 a 16</source>
        <translation>STEEL = 10 to 16</translation>
    </message>
    <message>
        <source>ARGENTO = 10.50</source>
        <translation>SILVER = 10.50</translation>
    </message>
    <message>
        <source>CROMO = 6.70</source>
        <translation>CHROMIUM = 6.70</translation>
    </message>
    <message>
        <source>FERRO = 7.86</source>
        <translation>IRON = 7.86</translation>
    </message>
    <message>
        <source>MERCURIO = 13.60</source>
        <translation>MERCURY = 13.60</translation>
    </message>
    <message>
        <source>NICHEL = 8.80</source>
        <translation>NICKEL = 8.80</translation>
    </message>
    <message>
        <source>ORO = 19.30</source>
        <translation>GOLD = 19.30</translation>
    </message>
    <message>
        <source>PIOMBO = 11.34</source>
        <translation>LEAD = 11.34</translation>
    </message>
    <message>
        <source>PLATINO = 21.40</source>
        <translation>PLATINUM = 21.40</translation>
    </message>
    <message>
        <source>RAME = 8.90</source>
        <translation>COPPER = 8.90</translation>
    </message>
    <message>
        <source>STAGNO = 7.28</source>
        <translation>TIN = 7.28</translation>
    </message>
    <message>
        <source>ZINCO = 7.10</source>
        <translation>ZINC = 7.10</translation>
    </message>
    <message>
        <source>ALLUMINIO = 2.65</source>
        <translation>ALUMINIUM = 2.65</translation>
    </message>
    <message>
        <source>ARGENTO = 1.59</source>
        <translation>SILVER = 1.59</translation>
    </message>
    <message>
        <source>BRONZO = 1.79</source>
        <translation>BRONZE = 1.79</translation>
    </message>
    <message>
        <source>FERRO = 14</source>
        <translation>IRON = 14</translation>
    </message>
    <message>
        <source>MERCURIO = 94</source>
        <translation>MERCURY = 94</translation>
    </message>
    <message>
        <source>NICHEL = 11.8</source>
        <translation>NICKEL = 11.8</translation>
    </message>
    <message>
        <source>ORO = 2.08</source>
        <translation>GOLD = 2.08</translation>
    </message>
    <message>
        <source>OTTONE = 8.26</source>
        <translation>BRASS = 8.26</translation>
    </message>
    <message>
        <source>PIOMBO = 19.8</source>
        <translation>LEAD = 19.8</translation>
    </message>
    <message>
        <source>PLATINO = 19.3</source>
        <translation>PLATINUM = 19.3</translation>
    </message>
    <message>
        <source>RAME = 1.60</source>
        <translation>COPPER = 1.60</translation>
    </message>
    <message>
        <source>STAGNO = 11.3</source>
        <translation>TIN = 11.3</translation>
    </message>
    <message>
        <source>ZINCO = 5.8</source>
        <translation>ZINC = 5.8</translation>
    </message>
    <message>
        <source>Resistenza interna dello strumento :</source>
        <translation>Meter internal resistance :</translation>
    </message>
    <message>
        <source>Nr. di volte per cui si vuole estendere la portata della scala</source>
        <translation>Times the full-scale range is to be extended</translation>
    </message>
    <message>
        <source>Resistenza di shunt per amperometro</source>
        <translation>Ammeter shunt resistor</translation>
    </message>
    <message>
        <source>Viene calcolato il valore della resistenza che, posta in parallelo ad un amperometro, consente di estenderne la portata di &quot; n &quot; volte.</source>
        <translation>This finds the resistor that, across an ammeter, extends its full-scale range &quot; n &quot; times.</translation>
    </message>
    <message>
        <source>resistenza SHUNT in Ohm  =  %1</source>
        <translation>SHUNT resistor in Ohm  =  %1</translation>
    </message>
    <message>
        <source>Resistenza in serie per voltmetro</source>
        <translation>Voltmeter series resistor</translation>
    </message>
    <message>
        <source>Viene calcolato il valore della resistenza che, posta in serie ad un voltmetro, consente di estenderne la portata di &quot; n &quot; volte .</source>
        <translation>This finds the resistor that, in series with a voltmeter, extends its full-scale range &quot; n &quot; times.</translation>
    </message>
    <message>
        <source>resistenza in Ohm da inserire in serie allo strumento =  %1</source>
        <translation>resistor in Ohm in series with the meter =  %1</translation>
    </message>
    <message>
        <source>abilita il calcolo</source>
        <translation>runs the calculation</translation>
    </message>
    <message>
        <source>MESSAGGIO DI ERRORE</source>
        <translation>ERROR MESSAGE</translation>
    </message>
    <message>
        <source>MESSAGGIO DI AVVISO</source>
        <translation>WARNING MESSAGE</translation>
    </message>
    <message>
        <source>Copia risultati</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>CALCOLO IMPOSSIBILE CON I DATI INSERITI</source>
        <translation>CANNOT CALCULATE WITH THESE DATA</translation>
    </message>
    <message>
        <source>parte del testo non è letta come numero</source>
        <translation>part of the text is not read as a number</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nessuna stampante: salva la stampa come PDF</source>
        <translation>No printer: save the print-out as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>MANCANO DATI</source>
        <translation>DATA MISSING</translation>
    </message>
    <message>
        <source>NESSUNA STAMPANTE DISPONIBILE: STAMPA NON ESEGUITA</source>
        <translation>NO PRINTER AVAILABLE: NOTHING PRINTED</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Guida (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>letto come %1</source>
        <translation>read as %1</translation>
    </message>
    <message>
        <source> (il separatore decimale è il punto)</source>
        <translation> (the decimal separator is the point)</translation>
    </message>
    <message>
        <source>risultato del dato precedente</source>
        <translation>result of the previous value</translation>
    </message>
    <message>
        <source>IMPOSSIBILE SCRIVERE IL FILE PDF: STAMPA NON ESEGUITA</source>
        <translation>CANNOT WRITE THE PDF FILE: NOTHING PRINTED</translation>
    </message>
</context>
</TS>
