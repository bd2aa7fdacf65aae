<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Us</source>
        <translation>Tietoja WKS CONFIGista</translation>
    </message>
    <message>
        <source>Prepares the settings file of GSM / MMS trail cameras on their SD card:
network and e-mail parameters, recipients, camera parameters and the game call.</source>
        <translation>Valmistelee GSM-/MMS-riistakameroiden asetustiedoston niiden SD-kortille:
verkko- ja sähköpostiasetukset, vastaanottajat, kameran asetukset ja houkutusäänen.</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Vapaa ohjelmisto: &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License, versio 3 tai uudempi&lt;/a&gt; (GPL-3.0-or-later). Ohjelmalla ei ole takuuta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaFX200Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>Toimintatila</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>Photo  Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Set Clock  :  (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Toimintapäivät </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Valitse kaikki</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Sunnuntai</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Maanantai</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tiistai</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Keskiviikko</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torstai</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Perjantai</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lauantai</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Lähetyskohde </translation>
    </message>
    <message>
        <source> Work Hour </source>
        <translation> Toiminta-aika </translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaGroup1Dlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-ohjaus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Set Clock : (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Toiminta-aika</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Lähetyskohde </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Lähetystila </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Lähetysaika:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Enimmäismäärä:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN713ZDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>Security Mode</source>
        <translation>Turvatila</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameran sijainti</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-ohjaus</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Houkutusääni</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Toistokerrat</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Lisää ääni</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source> Work Day </source>
        <translation> Toimintapäivät </translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> Valitse kaikki</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Sunnuntai</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Maanantai</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Tiistai</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Keskiviikko</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Torstai</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Perjantai</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Lauantai</translation>
    </message>
    <message>
        <source> Send To </source>
        <translation> Lähetyskohde </translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Lähetystila </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Lähetysaika:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Enimmäismäärä:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_CamParaLN714WDlg</name>
    <message>
        <source>Camera Setting</source>
        <translation>Kameran asetukset</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameratila</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Lähetyskohde</translation>
    </message>
    <message>
        <source>Camera Position</source>
        <translation>Kameran sijainti</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Kuvakoko</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Sarjakuvaus</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videon koko</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videon pituus</translation>
    </message>
    <message>
        <source>Game Call</source>
        <translation>Houkutusääni</translation>
    </message>
    <message>
        <source>H:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>M:</source>
        <translation>min:</translation>
    </message>
    <message>
        <source>Replay Time</source>
        <translation>Toistokerrat</translation>
    </message>
    <message>
        <source>Set Clock  : (SYSTEM TIME)</source>
        <translation>Aseta kello: (järjestelmän aika)</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Lisää ääni</translation>
    </message>
    <message>
        <source> Work Hour</source>
        <translation> Toiminta-aika</translation>
    </message>
    <message>
        <source>Work Hour</source>
        <translation>Toiminta-aika</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Alkuaika</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Loppuaika</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Ajastettu kuvaus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>PIR-laukaisu</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>PIR-väli</translation>
    </message>
    <message>
        <source>SMS Control</source>
        <translation>SMS-ohjaus</translation>
    </message>
    <message>
        <source> Send Mode </source>
        <translation> Lähetystila </translation>
    </message>
    <message>
        <source>Send Time :</source>
        <translation>Lähetysaika:</translation>
    </message>
    <message>
        <source>Max Number :</source>
        <translation>Enimmäismäärä:</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_MainParaDlg</name>
    <message>
        <source> WAP / Internet Setting </source>
        <translation> WAP-/internetasetukset </translation>
    </message>
    <message>
        <source>Select Country</source>
        <translation>Valitse maa</translation>
    </message>
    <message>
        <source>Select Operator</source>
        <translation>Valitse operaattori</translation>
    </message>
    <message>
        <source>Check WAP / Internet Parameters (&amp;L)</source>
        <translation>Tar&amp;kista WAP-/internetparametrit</translation>
    </message>
    <message>
        <source> Camera Setting </source>
        <translation> Kameran asetukset </translation>
    </message>
    <message>
        <source>Click &quot;Default Setting&quot; button if you don&apos;t know how to modify camera parameters !</source>
        <translation>Napsauta ”Oletusarvot”, jos et tiedä, miten kameran asetuksia muutetaan.</translation>
    </message>
    <message>
        <source>Default Setting (&amp;D)</source>
        <translation>&amp;Oletusarvot</translation>
    </message>
    <message>
        <source>Change Setting (&amp;C)</source>
        <translation>&amp;Muuta asetuksia</translation>
    </message>
    <message>
        <source> Customer Information Setting </source>
        <translation> Vastaanottajat </translation>
    </message>
    <message>
        <source>Admin...Number :</source>
        <translation>Ylläpitäjän numero:</translation>
    </message>
    <message>
        <source>Phone Number 2 :</source>
        <translation>Puhelinnumero 2:</translation>
    </message>
    <message>
        <source>Phone Number 3 :</source>
        <translation>Puhelinnumero 3:</translation>
    </message>
    <message>
        <source>Phone Number 4 :</source>
        <translation>Puhelinnumero 4:</translation>
    </message>
    <message>
        <source>Receive Email 1 :</source>
        <translation>Vastaanottajan sähköposti 1:</translation>
    </message>
    <message>
        <source>Receive Email 2 :</source>
        <translation>Vastaanottajan sähköposti 2:</translation>
    </message>
    <message>
        <source>Receive Email 3 :</source>
        <translation>Vastaanottajan sähköposti 3:</translation>
    </message>
    <message>
        <source>Receive Email 4 :</source>
        <translation>Vastaanottajan sähköposti 4:</translation>
    </message>
    <message>
        <source>Attention Please ,The Data Above Will Be Saved In The Following  File: </source>
        <translation>Huomio: yllä olevat tiedot tallennetaan seuraavaan tiedostoon:</translation>
    </message>
    <message>
        <source>SAVE (&amp;Y)</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Lopeta</translation>
    </message>
</context>
<context>
    <name>CWKS_ModSelDlg</name>
    <message>
        <source>WKS CONFIG Sweden Customized</source>
        <translation>WKS CONFIG – Ruotsin versio</translation>
    </message>
    <message>
        <source>Select Product</source>
        <translation>Valitse tuote</translation>
    </message>
    <message>
        <source>Remember My Choice</source>
        <translation>Muista valintani</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>EXIT (&amp;N)</source>
        <translation>&amp;Lopeta</translation>
    </message>
</context>
<context>
    <name>CWKS_WapAdvancedDlg</name>
    <message>
        <source>Advanced Setup</source>
        <translation>Lisäasetukset</translation>
    </message>
    <message>
        <source> SMTP Server </source>
        <translation> SMTP-palvelin </translation>
    </message>
    <message>
        <source>This service requires SSL (&amp;S)</source>
        <translation>Palvelu vaatii &amp;SSL-yhteyden</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>CWKS_WapParaDlg</name>
    <message>
        <source>WAP / Internet Paramaters</source>
        <translation>WAP-/internetparametrit</translation>
    </message>
    <message>
        <source>Wap / Internet Parameters</source>
        <translation>WAP-/internetparametrit</translation>
    </message>
    <message>
        <source> WAP Setting</source>
        <translation> WAP-asetukset</translation>
    </message>
    <message>
        <source>MMS URL :</source>
        <translation>MMS-URL:</translation>
    </message>
    <message>
        <source>MMS APN :</source>
        <translation>MMS-APN:</translation>
    </message>
    <message>
        <source>PORT :</source>
        <translation>Portti:</translation>
    </message>
    <message>
        <source>MMS IP :</source>
        <translation>MMS-IP:</translation>
    </message>
    <message>
        <source>ACCOUNT :</source>
        <translation>Tili:</translation>
    </message>
    <message>
        <source>PASSWORD :</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>CLEAR PARAMETERS (&amp;C)</source>
        <translation>&amp;Tyhjennä parametrit</translation>
    </message>
    <message>
        <source> Internet Setting </source>
        <translation> Internetasetukset </translation>
    </message>
    <message>
        <source>GPRS APN :</source>
        <translation>GPRS-APN:</translation>
    </message>
    <message>
        <source>GPRS ACCOUNT :</source>
        <translation>GPRS-tili:</translation>
    </message>
    <message>
        <source>GPRS PASSWORD :</source>
        <translation>GPRS-salasana:</translation>
    </message>
    <message>
        <source>SEND EMAIL SERVER :</source>
        <translation>Lähtevän postin palvelin:</translation>
    </message>
    <message>
        <source>SEND EMAIL ADDRESS :</source>
        <translation>Lähettäjän osoite:</translation>
    </message>
    <message>
        <source>SEND EMAIL PASSWORD :</source>
        <translation>Lähettäjän salasana:</translation>
    </message>
    <message>
        <source>Advanced... (&amp;V)</source>
        <translation>&amp;Lisäasetukset…</translation>
    </message>
    <message>
        <source>Test E-mail (&amp;T)</source>
        <translation>Testaa &amp;sähköposti</translation>
    </message>
    <message>
        <source>OK (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel (&amp;N)</source>
        <translation>&amp;Peru</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Delete Directory &quot;C:\WKS_TEMP&quot; failed !</source>
        <translation>Kansion ”C:\WKS_TEMP” poistaminen epäonnistui!</translation>
    </message>
    <message>
        <source>You must rename the existed &quot;IMAG0001.JPG&quot; and &quot;VIDE0001.AVI&quot; if you want to save the audio file ,continue ?</source>
        <translation>Äänitiedoston tallentamiseksi olemassa olevat tiedostot ”IMAG0001.JPG” ja ”VIDE0001.AVI” on nimettävä uudelleen. Jatketaanko?</translation>
    </message>
    <message>
        <source>You have given up saving audio file !</source>
        <translation>Äänitiedostoa ei tallenneta.</translation>
    </message>
    <message>
        <source>Failed to rename &quot;IMAG0001.JPG&quot; or &quot;VIDE0001.AVI&quot; !
 You can delete or rename them manually !</source>
        <translation>Tiedoston ”IMAG0001.JPG” tai ”VIDE0001.AVI” nimeäminen uudelleen epäonnistui!
Voit poistaa ne tai nimetä ne uudelleen käsin.</translation>
    </message>
    <message>
        <source>OK,audio file have been saved !</source>
        <translation>Äänitiedosto on tallennettu.</translation>
    </message>
    <message>
        <source>Transform Failed.</source>
        <translation>Muuntaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Failed to delete %1 !</source>
        <translation>Tiedoston %1 poistaminen epäonnistui!</translation>
    </message>
    <message>
        <source>Cannot write %1 (%2) !</source>
        <translation>Tiedostoa %1 ei voi kirjoittaa (%2)!</translation>
    </message>
    <message>
        <source>WKS TIPS</source>
        <translation>WKS-vihje</translation>
    </message>
    <message>
        <source>WKS Tips</source>
        <translation>WKS-vihje</translation>
    </message>
    <message>
        <source>Failed to save all parameters to &quot;%1&quot; !</source>
        <translation>Asetusten tallentaminen tiedostoon ”%1” epäonnistui!</translation>
    </message>
    <message>
        <source>Error In CWKS_MainParaDlg::%1() !</source>
        <translation>Virhe kohdassa CWKS_MainParaDlg::%1()!</translation>
    </message>
    <message>
        <source>No disk is valid !</source>
        <translation>Yhtään käyttökelpoista asemaa ei ole!</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid file &quot;%1 &quot;,
Please delete it manually!</source>
        <translation>Virheellistä tiedostoa ”%1” ei voi poistaa.
Poista se käsin.</translation>
    </message>
    <message>
        <source>Can&apos;t delete invalid back-up file,
Please delete it manually!</source>
        <translation>Virheellistä varmuuskopiota ei voi poistaa.
Poista se käsin.</translation>
    </message>
    <message>
        <source>Can&apos;t delete &quot;%1&quot;,Please delete it manually!</source>
        <translation>Tiedostoa ”%1” ei voi poistaa. Poista se käsin.</translation>
    </message>
    <message>
        <source>Set all camera parameters to default ?</source>
        <translation>Palautetaanko kaikki kameran asetukset oletusarvoihin?</translation>
    </message>
    <message>
        <source>Default setings is not applied, no data is modified !</source>
        <translation>Oletusarvoja ei otettu käyttöön, mitään ei muutettu.</translation>
    </message>
    <message>
        <source>OK,All camera parameters have been set to default !</source>
        <translation>Kaikki kameran asetukset on palautettu oletusarvoihin.</translation>
    </message>
    <message>
        <source>Sava all parameters to &quot;%1&quot; ?</source>
        <translation>Tallennetaanko kaikki asetukset tiedostoon ”%1”?</translation>
    </message>
    <message>
        <source>OK,All parameters have been saved success !</source>
        <translation>Kaikki asetukset on tallennettu.</translation>
    </message>
    <message>
        <source>Invalid call for CWKS_ModSelDlg::Mng_RegistryValue() !</source>
        <translation>Virheellinen kutsu: CWKS_ModSelDlg::Mng_RegistryValue()!</translation>
    </message>
    <message>
        <source>Please Select A Product !</source>
        <translation>Valitse tuote!</translation>
    </message>
    <message>
        <source>Error In CWKS_ModSelDlg::Mng_JumpToMain() !
Product list is empty()...</source>
        <translation>Virhe kohdassa CWKS_ModSelDlg::Mng_JumpToMain()!
Tuoteluettelo on tyhjä.</translation>
    </message>
    <message>
        <source>File is not exist ! 
Whether retain the directory record of audio file last time you added ?</source>
        <translation>Tiedostoa ei ole!
Säilytetäänkö viimeksi lisätty äänitiedosto?</translation>
    </message>
    <message>
        <source>File is not exist !</source>
        <translation>Tiedostoa ei ole!</translation>
    </message>
    <message>
        <source>Whether retain the directory record of audio file last time you added ?</source>
        <translation>Säilytetäänkö viimeksi lisätty äänitiedosto?</translation>
    </message>
    <message>
        <source>Error status in control &quot;WorkDay&quot; !</source>
        <translation>Virheellinen tila kentässä ”Toimintapäivät”!</translation>
    </message>
    <message>
        <source>The status of &quot;Time Lapse&quot; and &quot;PIR Tirgger&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>”Ajastettu kuvaus” ja ”PIR-laukaisu” eivät voi olla yhtä aikaa ”OFF”!</translation>
    </message>
    <message>
        <source>The status of &quot;PIR Tirgger&quot; and &quot;Time Lapse&quot; can not be &quot;OFF&quot; at the same time !</source>
        <translation>”PIR-laukaisu” ja ”Ajastettu kuvaus” eivät voi olla yhtä aikaa ”OFF”!</translation>
    </message>
    <message>
        <source>Save all camera parameters ?</source>
        <translation>Tallennetaanko kaikki kameran asetukset?</translation>
    </message>
    <message>
        <source>OK,Camara parameters have been saved success !</source>
        <translation>Kameran asetukset on tallennettu.</translation>
    </message>
    <message>
        <source>Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !</source>
        <translation>Virhe kohdassa CWKS_CamParaGroup1Dlg::OnInitDialog()!</translation>
    </message>
    <message>
        <source>Invalid call for ManageOtherUI()!</source>
        <translation>Virheellinen kutsu: ManageOtherUI()!</translation>
    </message>
    <message>
        <source>Save all WAP/Internet parameters ?</source>
        <translation>Tallennetaanko kaikki WAP-/internetparametrit?</translation>
    </message>
    <message>
        <source>OK,WAP/Internet Parameters saved success !</source>
        <translation>WAP-/internetparametrit on tallennettu.</translation>
    </message>
    <message>
        <source>Invalid call for CUtil::GetDayForYMonth() !</source>
        <translation>Virheellinen kutsu: CUtil::GetDayForYMonth()!</translation>
    </message>
</context>
<context>
    <name>wks::CameraModel</name>
    <message>
        <source>WKS CONFIG : For %1 Sweden Customized</source>
        <translation>WKS CONFIG: %1 – Ruotsin versio</translation>
    </message>
    <message>
        <source>WKS CONFIG : For %1</source>
        <translation>WKS CONFIG: %1</translation>
    </message>
</context>
<context>
    <name>wks::PlaceholderSender</name>
    <message>
        <source>E-mail from the camera needs your own sender account: set it under Check WAP / Internet Parameters.</source>
        <translation>Jotta kamera voi lähettää sähköpostia, se tarvitsee oman lähettäjän tilisi: määritä se kohdassa ”Tarkista WAP-/internetparametrit”.</translation>
    </message>
</context>
<context>
    <name>wks::ui::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_MainParaDlg</name>
    <message>
        <source>Others......</source>
        <translation>Muut......</translation>
    </message>
    <message>
        <source>Admin Number</source>
        <translation>Ylläpitäjän numero</translation>
    </message>
    <message>
        <source>Settings file</source>
        <translation>Asetustiedosto</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>Tietoja WKS CONFIGista</translation>
    </message>
    <message>
        <source>About Us (F1)</source>
        <translation>Tietoja WKS CONFIGista (F1)</translation>
    </message>
</context>
<context>
    <name>wks::ui::CWKS_ModSelDlg</name>
    <message>
        <source>Product picture</source>
        <translation>Tuotekuva</translation>
    </message>
    <message>
        <source>No product chosen</source>
        <translation>Tuotetta ei ole valittu</translation>
    </message>
</context>
<context>
    <name>wks::ui::CameraScreen</name>
    <message>
        <source>You can click the left button to add audio file if GameCall is ON !</source>
        <translation>Houkutusääni ON: lisää äänitiedosto vasemmalla olevalla painikkeella</translation>
    </message>
    <message>
        <source>Game Call hour</source>
        <translation>Houkutusääni, tunti</translation>
    </message>
    <message>
        <source>Game Call minute</source>
        <translation>Houkutusääni, minuutti</translation>
    </message>
    <message>
        <source>Start Time hour</source>
        <translation>Alkuaika, tunti</translation>
    </message>
    <message>
        <source>Start Time minute</source>
        <translation>Alkuaika, minuutti</translation>
    </message>
    <message>
        <source>Stop Time hour</source>
        <translation>Loppuaika, tunti</translation>
    </message>
    <message>
        <source>Stop Time minute</source>
        <translation>Loppuaika, minuutti</translation>
    </message>
    <message>
        <source>Send Time hour</source>
        <translation>Lähetysaika, tunti</translation>
    </message>
    <message>
        <source>Send Time minute</source>
        <translation>Lähetysaika, minuutti</translation>
    </message>
    <message>
        <source>Audio file</source>
        <translation>Äänitiedosto</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Kameran päivämäärä</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kameran kellonaika</translation>
    </message>
</context>
<context>
    <name>wks::ui::ConversionProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Converting the game call…</source>
        <translation>Muunnetaan houkutusääntä…</translation>
    </message>
</context>
<context>
    <name>wks::ui::FileFilter</name>
    <message>
        <source>Audio File(*.mp3,*.wav,*.aac)</source>
        <translation>Äänitiedosto (*.mp3, *.wav, *.aac)</translation>
    </message>
</context>
<context>
    <name>wks::ui::Latin1Field</name>
    <message>
        <source>The camera accepts only the digits 0 to 9 here.</source>
        <translation>Kamera hyväksyy tähän vain numerot 0–9.</translation>
    </message>
    <message>
        <source>The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, signs and Western European letters such as é, ü, ß.</source>
        <translation>Kamera hyväksyy vain Latin-1-merkit: A–Z, a–z, 0–9, välimerkit ja länsieurooppalaiset kirjaimet, kuten é, ü, ß.</translation>
    </message>
</context>
<context>
    <name>wks::ui::MailTestRun</name>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Testing the e-mail account…</source>
        <translation>Testataan sähköpostitiliä…</translation>
    </message>
</context>
</TS>
