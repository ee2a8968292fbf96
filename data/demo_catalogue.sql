-- The demo catalogue: a brickworks' product range in the maker's database (karno_schema.sql).
-- The build loads it into a SQLite database and turns that into the demo price list with the
-- program's own export mode, so the demo and the database import are proven together.
--
-- The products are written once each into three working tables below (what the product is,
-- the figures of its masonry, its price variants) and then distributed into the maker's tables
-- as the ERP system and the catalogue keep them. Names are generic; prices are in Kč.
--
-- Groups (app_skupina): 1 wall bricks, 6 ceiling beams, 7 ceiling inserts, 8 ring-beam bricks,
-- 9 lintels (type 1 load-bearing, 2 flat), 10 roller-shutter lintels, 38 mortars (type 0
-- thermal-insulating) and plasters (type 1), 39 Hurdis, 80 fillings (0 polystyrene filling of
-- edge bricks, 1 perlite), 81 polystyrene, 90 reinforcements, 91 anchors, 499 ceiling panels,
-- 500 paving, 501 shaped bricks, 502 fence caps, 503 drainage pipes, 504 facing strips,
-- 600 formwork boards; 0 a product that is not offered any more.
--
-- Brick families (group 1): a base brick (type 0) holds its family code in app_zaklmat; the
-- pieces that complete it list the families they belong to and carry the bits of their kind in
-- the type: 1 corner, 2 reduced height, 4 half, 8 edge piece "K", 16 edge piece "K 1/2",
-- 32 corner of 135 degrees.

insert into zavody (id, zavod) values
    (1, 'Horní Lhota'),
    (2, 'Dolní Újezd'),
    (3, 'Březová'),
    (4, 'Kamenná'),
    (5, 'obchodní zboží');

-- Pallets and boxes: goods of the ERP system that products are packed on.
insert into helios (regcis, nazevcz, skupzbo, vaha, cena_prod, cena_vyk) values
    ('PAL-01', 'Paleta EUR 1200×800', 'OBA', 25, 320.00, 250.00),
    ('PAL-02', 'Paleta cihelná 1000×1200', 'OBA', 30, 290.00, 220.00),
    ('PAL-03', 'Paleta dlouhá 3000×1000', 'OBA', 45, 480.00, 380.00),
    ('OBAL-01', 'Krabice', 'OBA', 0, 0, 0),
    ('OBAL-02', 'Volně ložené', 'OBA', 0, 0, 0);

-- What each product is: name, plant, group and type, family codes, dimensions (mm), weight
-- (kg), pallet and pieces on it, price by pallets and loose (0: the same), ERP goods group.
create temp table zbozi (
    objcislo text, nazev text, zavod integer, skupina integer, typ integer, zaklmat text,
    sirka numeric, delka numeric, vyska numeric, vaha numeric,
    obal text, ks numeric, cena numeric, volna numeric, skupzbo text);

-- The figures of masonry products: mortar per m² of wall (l) as laid normally, turned and on
-- edge; perlite per brick (l); polystyrene per edge piece (l); thermal transmittance text;
-- 1 when lintels over it need the longer bearing.
create temp table zdivo (
    objcislo text, malta numeric, malta_sd numeric, malta_sv numeric,
    perlit numeric, polystyr numeric, ttu2 text, delsi integer);

-- Price variants of ground bricks and their mortars: price by pallets and loose in the
-- variants sb, sbc and sbd; the mortar of each variant per m² (kg, kg, doses); the base-course
-- mortar per brick (l).
create temp table varianty (
    objcislo text, sb numeric, sb2 numeric, sbc numeric, sbc2 numeric, sbd numeric, sbd2 numeric,
    malta_sb numeric, malta_sbc numeric, malta_df numeric, malta_zak numeric);

---------------------------------------------------------------------------------------------
-- Wall bricks laid in mortar (plant Horní Lhota).
insert into zbozi values
    ('101440', 'Cihla 44 T P+D',                     1, 1,  0, '44',    440, 248, 238, 17.6, 'PAL-02',  60, 79.50, 84.30, 'CIH'),
    ('101441', 'Cihla 44 T R rohová',                 1, 1,  1, '44',    440, 248, 238, 18.1, 'PAL-02',  60, 92.00, 97.50, 'CIH'),
    ('101442', 'Cihla 44 T 1/2 poloviční',            1, 1,  4, '44',    440, 123, 238,  9.2, 'PAL-02', 120, 64.00, 67.80, 'CIH'),
    ('101443', 'Cihla 44 T doplňková v. 165',         1, 1,  2, '44',    440, 248, 165, 12.4, 'PAL-02',  90, 68.00, 72.10, 'CIH'),
    ('101444', 'Cihla 44 T K krajová',                1, 1,  8, '44',    440, 248, 238, 16.5, 'PAL-02',  60, 95.00, 0,     'CIH'),
    ('101445', 'Cihla 44 T K 1/2 krajová poloviční',  1, 1, 16, '44',    440, 123, 238,  8.6, 'PAL-02', 120, 80.00, 0,     'CIH'),
    ('101446', 'Cihla 44 T roh 135°',                 1, 1, 32, '44',    440, 248, 238, 17.9, 'PAL-02',  48, 185.00, 0,    'CIH'),
    ('101380', 'Cihla 38 T P+D',                      1, 1,  0, '38',    380, 248, 238, 15.2, 'PAL-02',  72, 68.20, 72.30, 'CIH'),
    ('101381', 'Cihla 38 T R rohová',                 1, 1,  1, '38',    380, 248, 238, 15.8, 'PAL-02',  72, 79.90, 84.70, 'CIH'),
    ('101382', 'Cihla 38 T 1/2 K poloviční krajová',  1, 1, 20, '38',    380, 123, 238,  7.9, 'PAL-02', 144, 58.40, 61.90, 'CIH'),
    ('101383', 'Cihla 38 T doplňková v. 165',         1, 1,  2, '38',    380, 248, 165, 10.7, 'PAL-02', 108, 59.60, 63.20, 'CIH'),
    ('101384', 'Cihla 38 T K krajová',                1, 1,  8, '38',    380, 248, 238, 14.3, 'PAL-02',  72, 84.50, 0,     'CIH'),
    ('101300', 'Cihla 30 P+D',                        1, 1,  0, '30',    300, 248, 238, 12.4, 'PAL-02',  80, 49.90, 52.90, 'CIH'),
    ('101301', 'Cihla 30 R rohová',                   1, 1,  1, '30',    300, 248, 238, 12.9, 'PAL-02',  80, 58.60, 62.10, 'CIH'),
    ('101302', 'Cihla 30 1/2 poloviční',              1, 1,  4, '30;32', 300, 123, 238,  6.5, 'PAL-02', 160, 41.20, 43.70, 'CIH'),
    ('101303', 'Cihla 30 doplňková v. 165',           1, 1,  2, '30',    300, 248, 165,  8.8, 'PAL-02', 120, 43.80, 46.40, 'CIH'),
    ('101320', 'Cihla 30 AKU P+D zvukově izolační',   1, 1,  0, '32',    300, 248, 238, 23.5, 'PAL-02',  60, 58.40, 61.90, 'CIH'),
    ('101321', 'Cihla 30 AKU R rohová',               1, 1,  1, '32',    300, 248, 238, 24.0, 'PAL-02',  60, 66.90, 70.90, 'CIH'),
    ('101250', 'Cihla 25 P+D',                        1, 1,  0, '25',    250, 373, 238, 11.0, 'PAL-02',  96, 42.80, 45.40, 'CIH'),
    ('101251', 'Cihla 25 R rohová',                   1, 1,  1, '25',    250, 373, 238, 11.4, 'PAL-02',  96, 49.50, 52.50, 'CIH'),
    ('101252', 'Cihla 25 1/2 poloviční',              1, 1,  4, '25',    250, 185, 238,  5.8, 'PAL-02', 192, 36.10, 38.30, 'CIH'),
    ('101400', 'Cihla 40 P+D (doprodej)',             1, 0,  0, '40',    400, 248, 238, 16.0, 'PAL-02',  64, 61.00, 0,     'CIH');

insert into zdivo values
    ('101440', 42.0, 0,     0,    6.5, 0,    'U=0,22 W/m2K', 0),
    ('101441', 42.0, 0,     0,    0,   0,    '',             0),
    ('101442', 42.0, 0,     0,    0,   0,    '',             0),
    ('101443', 42.0, 0,     0,    0,   0,    '',             0),
    ('101444', 42.0, 0,     0,    0,   3.50, '',             0),
    ('101445', 42.0, 0,     0,    0,   1.75, '',             0),
    ('101446', 42.0, 0,     0,    0,   0,    '',             0),
    ('101380', 36.5, 0,     0,    5.6, 0,    'U=0,26 W/m2K', 0),
    ('101382', 36.5, 0,     0,    0,   1.50, '',             0),
    ('101384', 36.5, 0,     0,    0,   3.00, '',             0),
    ('101300', 29.0, 24.0,  0,    0,   0,    'U=0,65 W/m2K', 0),
    ('101320', 30.0, 0,     0,    0,   0,    'Rw=52 dB',     0),
    ('101250', 24.5, 37.0,  0,    0,   0,    'U=0,78 W/m2K', 0);

-- Partition bricks (plant Kamenná). The ERP writes "&nbsp;" where it has no text.
insert into zbozi values
    ('103140', 'Příčkovka 14 P+D',                    4, 1,  0, '14',    140, 498, 238, 11.8, 'PAL-02',  80, 44.60, 47.30, 'CIH'),
    ('103141', 'Příčkovka 14 1/2 poloviční',          4, 1,  4, '14',    140, 248, 238,  6.0, 'PAL-02', 160, 31.50, 33.40, 'CIH'),
    ('103115', 'Příčkovka 11,5 P+D',                  4, 1,  0, '11',    115, 498, 238,  9.6, 'PAL-02', 100, 36.90, 39.10, 'CIH'),
    ('103116', 'Příčkovka 11,5 1/2 poloviční',        4, 1,  4, '11',    115, 248, 238,  4.9, 'PAL-02', 200, 26.40, 28.00, 'CIH'),
    ('103080', 'Příčkovka 8 P+D',                     4, 1,  0, '8',      80, 498, 238,  7.0, 'PAL-02', 120, 29.70, 31.50, 'CIH');

insert into zdivo values
    ('103140', 15.0, 0, 0, 0, 0, '&nbsp;', 0),
    ('103115', 12.5, 0, 0, 0, 0, '&nbsp;', 0),
    ('103080',  9.0, 0, 0, 0, 0, '&nbsp;', 0);

-- Solid and perforated bricks of the old format, laid flat, turned or on edge (plant Kamenná).
insert into zbozi values
    ('104290', 'Cihla plná CP 29',                    4, 1,  0, '29',    140, 290,  65,  4.8, 'PAL-01', 400, 12.40, 13.20, 'CIH'),
    ('104291', 'Cihla děrovaná CD 29',                4, 1,  0, '28',    140, 290, 140,  3.6, 'PAL-01', 288, 15.90, 16.90, 'CIH');

insert into zdivo values
    ('104290', 95.0, 200.0, 45.0, 0, 0, '', 0),
    ('104291', 60.0, 125.0, 0,    0, 0, '', 0);

---------------------------------------------------------------------------------------------
-- Ground bricks for thin joints (plant Dolní Újezd), sold in three price variants that differ
-- in the mortar: sb thin-bed mortar, sbc thin-joint mortar, sbd masonry foam.
insert into zbozi values
    ('102440', 'Cihla broušená 44 T Profi',           2, 1,  0, '45',    440, 248, 249, 17.9, 'PAL-02',  60, 84.90, 89.90, 'CIH'),
    ('102441', 'Cihla broušená 44 T Profi R rohová',  2, 1,  1, '45',    440, 248, 249, 18.4, 'PAL-02',  60, 97.90, 0,     'CIH'),
    ('102442', 'Cihla broušená 44 T Profi 1/2',       2, 1,  4, '45',    440, 123, 249,  9.4, 'PAL-02', 120, 69.90, 0,     'CIH'),
    ('102444', 'Cihla broušená 44 T Profi K',         2, 1,  8, '45',    440, 248, 249, 16.8, 'PAL-02',  60, 99.00, 0,     'CIH'),
    ('102445', 'Cihla broušená 44 T Profi K 1/2',     2, 1, 16, '45',    440, 123, 249,  8.8, 'PAL-02', 120, 84.00, 0,     'CIH'),
    ('102446', 'Cihla broušená 44 T Profi roh 135°',  2, 1, 32, '45',    440, 248, 249, 18.2, 'PAL-02',  48, 195.00, 0,    'CIH'),
    ('102500', 'Cihla broušená 50 T Profi',           2, 1,  0, '50',    500, 248, 249, 20.6, 'PAL-02',  48, 99.80, 105.80, 'CIH'),
    ('102501', 'Cihla broušená 50 T Profi R rohová',  2, 1,  1, '50',    500, 248, 249, 21.2, 'PAL-02',  48, 114.50, 0,    'CIH'),
    ('102502', 'Cihla broušená 50 T Profi 1/2',       2, 1,  4, '50',    500, 123, 249, 10.8, 'PAL-02',  96, 82.00, 0,     'CIH'),
    ('102504', 'Cihla broušená 50 T Profi K',         2, 1,  8, '50',    500, 248, 249, 19.4, 'PAL-02',  48, 118.00, 0,    'CIH'),
    ('102505', 'Cihla broušená 50 T Profi K 1/2',     2, 1, 16, '50',    500, 123, 249, 10.1, 'PAL-02',  96, 99.00, 0,     'CIH'),
    ('102300', 'Cihla broušená 30 Profi',             2, 1,  0, '31',    300, 248, 249, 12.8, 'PAL-02',  80, 54.90, 58.20, 'CIH'),
    ('102301', 'Cihla broušená 30 Profi R rohová',    2, 1,  1, '31',    300, 248, 249, 13.3, 'PAL-02',  80, 63.90, 0,     'CIH'),
    ('102302', 'Cihla broušená 30 Profi 1/2',         2, 1,  4, '31',    300, 123, 249,  6.7, 'PAL-02', 160, 45.50, 0,     'CIH'),
    ('103125', 'Příčkovka broušená 11,5 Profi',       2, 1,  0, '12',    115, 498, 249,  9.9, 'PAL-02', 100, 39.90, 42.30, 'CIH'),
    ('103126', 'Příčkovka broušená 11,5 Profi 1/2',   2, 1,  4, '12',    115, 248, 249,  5.0, 'PAL-02', 200, 28.50, 0,     'CIH');

insert into zdivo values
    ('102440', 0, 0, 0, 5.5, 0,    'U=0,19 W/m2K', 0),
    ('102444', 0, 0, 0, 0,   3.60, '',             0),
    ('102445', 0, 0, 0, 0,   1.80, '',             0),
    ('102500', 0, 0, 0, 6.2, 0,    'U=0,15 W/m2K', 1),
    ('102504', 0, 0, 0, 0,   4.10, '',             1),
    ('102505', 0, 0, 0, 0,   2.05, '',             1),
    ('102300', 0, 0, 0, 0,   0,    'U=0,60 W/m2K', 0);

insert into varianty values
    -- base bricks: prices of sb, sbc, sbd; mortar sb, sbc, foam per m²; base-course mortar
    ('102440', 84.90, 89.90, 85.50, 90.50, 87.20, 92.40, 6.0, 3.5, 0.15, 8.5),
    ('102441', 97.90, 103.80, 98.50, 104.40, 100.20, 106.20, 6.0, 3.5, 0.15, 8.5),
    ('102442', 69.90, 74.10, 70.40, 74.60, 71.80, 76.10, 6.0, 3.5, 0.15, 4.3),
    ('102444', 99.00, 104.90, 99.60, 105.60, 101.30, 107.40, 6.0, 3.5, 0.15, 8.5),
    ('102445', 84.00, 89.00, 84.50, 89.60, 86.00, 91.20, 6.0, 3.5, 0.15, 4.3),
    ('102446', 195.00, 206.70, 196.00, 207.80, 199.00, 210.90, 6.0, 3.5, 0.15, 8.5),
    -- the 50 is not offered with thin-joint mortar
    ('102500', 99.80, 105.80, 0, 0, 102.60, 108.80, 6.8, 0, 0.17, 9.6),
    ('102501', 114.50, 121.40, 0, 0, 117.40, 124.40, 6.8, 0, 0.17, 9.6),
    ('102502', 82.00, 86.90, 0, 0, 84.10, 89.10, 6.8, 0, 0.17, 4.8),
    ('102504', 118.00, 125.10, 0, 0, 121.00, 128.30, 6.8, 0, 0.17, 9.6),
    ('102505', 99.00, 104.90, 0, 0, 101.50, 107.60, 6.8, 0, 0.17, 4.8),
    -- the 30 and the partition brick are not offered with foam
    ('102300', 54.90, 58.20, 55.40, 58.70, 0, 0, 4.2, 2.4, 0, 5.8),
    ('102301', 63.90, 67.70, 64.40, 68.30, 0, 0, 4.2, 2.4, 0, 5.8),
    ('102302', 45.50, 48.20, 45.90, 48.70, 0, 0, 4.2, 2.4, 0, 2.9),
    ('103125', 39.90, 42.30, 40.30, 42.70, 0, 0, 1.9, 1.1, 0, 2.2),
    ('103126', 28.50, 30.20, 28.80, 30.50, 0, 0, 1.9, 1.1, 0, 1.1);

---------------------------------------------------------------------------------------------
-- Mortars and plasters (bought in). The figure of a mortar is the litres in one bag, that of a
-- plaster the m² one bag covers.
insert into zbozi values
    ('138001', 'Malta tepelně izolační (vak 50 l)',        5, 38, 0, '', null, null, null, 12.5, 'PAL-01', 40, 189.00, 199.00, 'MAL'),
    ('138002', 'Malta tepelně izolační lehká (pytel 25 l)', 5, 38, 0, '', null, null, null,  7.5, 'PAL-01', 60, 109.00, 0,     'MAL'),
    ('138011', 'Omítka jádrová vápenocementová (40 kg)',   5, 38, 1, '', null, null, null, 40.0, 'PAL-01', 35, 98.00, 104.00, 'MAL'),
    ('138012', 'Omítka tepelně izolační (pytel 50 l)',     5, 38, 1, '', null, null, null, 14.0, 'PAL-01', 36, 245.00, 0,     'MAL'),
    ('138013', 'Omítka štuková vnitřní (25 kg)',           5, 38, 1, '', null, null, null, 25.0, 'PAL-01', 48, 129.00, 0,     'MAL');

insert into zdivo (objcislo, malta) values
    ('138001', 50.0),
    ('138002', 25.0),
    ('138011', 1.60),
    ('138012', 1.25),
    ('138013', 8.00);

-- The mortars of the price variants; the ERP prices them in the variant's columns, and the
-- catalogue lists them apart from the ordinary mortars. Type 2 is the base-course mortar.
insert into zbozi values
    ('138102', 'Malta zakládací (25 kg)',                  5, 38,  2, '', null, null, null, 25.0, 'PAL-01', 42, 0, 0, 'MAL'),
    ('138104', 'Malta pro tenké spáry SB (25 kg)',         5, 38,  4, '', null, null, null, 25.0, 'PAL-01', 42, 0, 0, 'MAL'),
    ('138108', 'Malta pro tenké spáry SBC (17 kg)',        5, 38,  8, '', null, null, null, 17.0, 'PAL-01', 54, 0, 0, 'MAL'),
    ('138116', 'Pěna zdicí SBD (dóza 750 ml)',             5, 38, 16, '', null, null, null,  1.0, 'OBAL-01', 12, 0, 0, 'MAL');

insert into zdivo (objcislo, malta) values
    ('138102', 16.0),
    ('138104', 25.0),
    ('138108', 17.0),
    ('138116', 1.0);

insert into varianty values
    ('138102', 169.00, 179.00, 169.00, 179.00, 169.00, 179.00, 0, 0, 0, 0),
    ('138104', 219.00, 232.00, 219.00, 232.00, 219.00, 232.00, 0, 0, 0, 0),
    ('138108', 245.00, 259.00, 245.00, 259.00, 245.00, 259.00, 0, 0, 0, 0),
    ('138116', 229.00, 242.00, 229.00, 242.00, 229.00, 242.00, 0, 0, 0, 0);

-- Fillings measured by volume: the figure is the litres in one package.
insert into zbozi values
    ('180001', 'Výplň krajových tvarovek EPS (balík 200 l)', 5, 80, 0, '', null, null, null, 3.0, 'OBAL-02', 1, 385.00, 0, 'DOP'),
    ('180002', 'Perlit expandovaný (pytel 100 l)',           5, 80, 1, '', null, null, null, 9.0, 'PAL-01', 30, 245.00, 259.00, 'DOP');

insert into zdivo (objcislo, malta) values
    ('180001', 200.0),
    ('180002', 100.0);

---------------------------------------------------------------------------------------------
-- Lintels (plant Březová). Load-bearing lintels 70 mm wide and 238 high, every 250 mm from
-- 1 m to 4 m; flat lintels 71 high in three widths, every 250 mm from 1 m to 3 m;
-- roller-shutter lintels in four wall thicknesses.
insert into zbozi
with recursive delky(d) as (select 1000 union all select d + 250 from delky where d < 4000)
select '109' || printf('%03d', d / 10), 'Překlad nosný 23,8/' || (d / 10), 3, 9, 1, '',
       70, d, 238, round(d * 0.0072, 1), 'PAL-03', 100, round(d * 0.235, 1), 0, 'PRE'
from delky;

insert into zbozi
with recursive delky(d) as (select 1000 union all select d + 250 from delky where d < 3000),
     sirky(s, rada, kg_m, kc_m) as (values (115, '111', 11.5, 158.0), (145, '112', 14.5, 199.0), (175, '113', 17.5, 239.0))
select rada || printf('%03d', d / 10),
       'Překlad plochý ' || replace(printf('%.1f', s / 10.0), '.', ',') || '/7,1/' || (d / 10),
       3, 9, 2, '', s, d, 71, round(d * kg_m / 1000.0, 1), 'PAL-03', 150, round(d * kc_m / 1000.0, 1), 0, 'PRE'
from sirky, delky;

insert into zbozi
with recursive delky(d) as (select 1250 union all select d + 250 from delky where d < 3250),
     sirky(s, rada, kg_m, kc_m) as (values (300, '114', 36.0, 1390.0), (365, '115', 43.0, 1590.0),
                                           (440, '116', 51.0, 1860.0), (500, '117', 58.0, 2090.0))
select rada || printf('%03d', d / 10),
       'Překlad roletový ' || printf('%d', s / 10) || (case when s % 10 = 5 then ',5' else '' end) || '/' || (d / 10),
       3, 10, 0, '', s, d, 250, round(d * kg_m / 1000.0, 1), 'PAL-03', 20, round(d * kc_m / 1000.0, 1), 0, 'PRE'
from sirky, delky;

-- Polystyrene: the pieces put between load-bearing lintels (type 0, told apart by their
-- thickness) and a ring-beam insulation strip.
insert into zbozi values
    ('181070', 'Polystyren EPS 70 mezi překlady',   5, 81, 0, '',  70, 1000, 238, 0.3, 'OBAL-02', 1, 42.00, 0, 'DOP'),
    ('181090', 'Polystyren EPS 90 mezi překlady',   5, 81, 0, '',  90, 1000, 238, 0.4, 'OBAL-02', 1, 54.00, 0, 'DOP'),
    ('181100', 'Polystyren EPS 100 mezi překlady',  5, 81, 0, '', 100, 1000, 238, 0.4, 'OBAL-02', 1, 60.00, 0, 'DOP'),
    ('181120', 'Polystyren EPS 120 mezi překlady',  5, 81, 0, '', 120, 1000, 238, 0.5, 'OBAL-02', 1, 72.00, 0, 'DOP'),
    ('181140', 'Polystyren EPS 140 mezi překlady',  5, 81, 0, '', 140, 1000, 238, 0.6, 'OBAL-02', 1, 84.00, 0, 'DOP'),
    ('181150', 'Polystyren EPS 150 mezi překlady',  5, 81, 0, '', 150, 1000, 238, 0.6, 'OBAL-02', 1, 90.00, 0, 'DOP'),
    ('181200', 'Polystyren EPS 100 do věnce',       5, 81, 1, '', 100, 1000, 250, 0.4, 'OBAL-02', 1, 63.00, 0, 'DOP');

-- Ring-beam bricks, laid along the outer face of a ring beam (plant Horní Lhota).
insert into zbozi values
    ('108065', 'Věncovka 6,5/21',  1, 8, 0, '',  65, 497, 210, 6.9, 'PAL-02', 120, 38.50, 40.80, 'CIH'),
    ('108080', 'Věncovka 8/21',    1, 8, 0, '',  80, 497, 210, 7.8, 'PAL-02', 100, 41.90, 44.40, 'CIH'),
    ('108081', 'Věncovka 8/25',    1, 8, 0, '',  80, 497, 250, 9.1, 'PAL-02',  90, 46.80, 49.60, 'CIH');

---------------------------------------------------------------------------------------------
-- Ceramic ceiling beams 160 × 175, every 250 mm from 1.75 m to 7.25 m, and the inserts
-- between them (plant Březová).
insert into zbozi
with recursive delky(d) as (select 1750 union all select d + 250 from delky where d < 7250)
select '106' || printf('%03d', d / 10), 'Nosník stropní keramický ' || (d / 10), 3, 6, 0, '',
       160, d, 175, round(d * 0.0185, 1), 'PAL-03', 60, round(d * 0.215, 1), 0, 'STR'
from delky;

insert into zbozi values
    ('107150', 'Vložka stropní 15/62,5',       3, 7, 0, '', 525, 250, 150,  9.5, 'PAL-02', 120, 36.90, 39.10, 'STR'),
    ('107190', 'Vložka stropní 19/62,5',       3, 7, 0, '', 525, 250, 190, 11.3, 'PAL-02', 100, 41.50, 44.00, 'STR'),
    ('107230', 'Vložka stropní 23/62,5',       3, 7, 0, '', 525, 250, 230, 13.0, 'PAL-02',  80, 47.90, 50.80, 'STR'),
    ('107195', 'Vložka stropní 19/50',         3, 7, 0, '', 400, 250, 190,  9.0, 'PAL-02', 120, 36.20, 38.40, 'STR'),
    ('107080', 'Vložka stropní nízká 8/62,5',  3, 7, 1, '', 525, 250,  80,  5.6, 'PAL-02', 200, 29.40, 31.20, 'STR');

-- Hurdis planks 250 wide and 80 high in five lengths and a reinforced plank, each with a family
-- code of its own, and the support that lists them all: a ceiling of planks with supports takes
-- every record that lists the plank's code, so planks must not share a code with each other.
insert into zbozi values
    ('139060', 'Hurdiska 60/25/8',              4, 39, 0, '3906',      250,  600,  80,  7.8, 'PAL-01', 120, 39.90, 42.30, 'STR'),
    ('139070', 'Hurdiska 70/25/8',              4, 39, 0, '3907',      250,  700,  80,  9.1, 'PAL-01', 100, 44.90, 47.60, 'STR'),
    ('139080', 'Hurdiska 80/25/8',              4, 39, 0, '3908',      250,  800,  80, 10.4, 'PAL-01', 100, 49.90, 52.90, 'STR'),
    ('139090', 'Hurdiska 90/25/8',              4, 39, 0, '3909',      250,  900,  80, 11.7, 'PAL-01',  80, 55.90, 59.30, 'STR'),
    ('139100', 'Hurdiska 100/25/8',             4, 39, 0, '3910',      250, 1000,  80, 13.0, 'PAL-01',  80, 61.90, 65.60, 'STR'),
    ('139110', 'Hurdiska zesílená 100/25/10',   4, 39, 0, '3920',      250, 1000, 100, 15.8, 'PAL-01',  64, 74.90, 79.40, 'STR'),
    ('139900', 'Patka pod hurdisku',            4, 39, 1, '3906;3907;3908;3909;3910;3920',  250,  120,  80,  1.2, 'OBAL-01', 50, 12.90, 0,    'STR');

-- Ceramic ceiling panels 600 and 1190 wide in two thicknesses (their types are captioned in
-- the table panely), every 300 mm from 2.4 m to 6 m.
insert into zbozi
with recursive delky(d) as (select 2400 union all select d + 300 from delky where d < 6000),
     druhy(typ, vyska, kod, kg_m2, kc_m2) as (values (1, 215, '1', 165.0, 1180.0), (2, 250, '2', 190.0, 1290.0)),
     sirky(sirka, kod) as (values (600, '6'), (1190, '2'))
select '14' || druhy.kod || sirky.kod || printf('%02d', d / 100),
       'Panel stropní keramický ' || (vyska / 10) || (case when vyska % 10 = 5 then ',5' else '' end)
           || '/' || (sirka / 10) || '/' || (d / 10),
       3, 499, typ, '', sirka, d, vyska, round(d * sirka * kg_m2 / 1000000.0, 1),
       'PAL-03', case when sirka = 600 then 10 else 5 end, round(d * sirka * kc_m2 / 1000000.0, 0), 0, 'STR'
from druhy, sirky, delky;

---------------------------------------------------------------------------------------------
-- Paving, shaped bricks, fence caps, drainage pipes, facing strips and formwork boards
-- (plant Kamenná). Shaped bricks and facing strips form families with their accessories.
insert into zbozi values
    ('150001', 'Dlažba cihelná 200×100×45 červená',     4, 500, 0, '',      100, 200,  45, 1.8, 'PAL-01', 600, 9.90, 10.50, 'DLA'),
    ('150002', 'Dlažba cihelná 240×115×52 režná',       4, 500, 0, '',      115, 240,  52, 2.7, 'PAL-01', 480, 12.40, 13.20, 'DLA'),
    ('150003', 'Dlažba cihelná čtvercová 300×300×30',   4, 500, 0, '',      300, 300,  30, 5.2, 'PAL-01', 200, 39.90, 42.30, 'DLA'),
    ('150009', 'Obrubník k dlažbě 240×115×52',          4, 500, 1, '',      115, 240,  52, 2.8, 'PAL-01', 480, 14.90, 15.80, 'DLA'),
    ('151001', 'Tvarovka plotová lícová 250',           4, 501, 0, '5011',  250, 250, 238, 9.8, 'PAL-01',  72, 69.00, 73.10, 'TVA'),
    ('151002', 'Tvarovka plotová ukončovací 250',       4, 501, 1, '5011',  250, 125, 238, 5.2, 'PAL-01', 144, 59.00, 62.50, 'TVA'),
    ('151011', 'Tvarovka sloupková 365',                4, 501, 0, '5012',  365, 365, 238, 16.5, 'PAL-01', 40, 129.00, 136.70, 'TVA'),
    ('151012', 'Tvarovka sloupková ukončovací 365',     4, 501, 1, '5012',  365, 365, 120, 9.0, 'PAL-01',  60, 149.00, 157.90, 'TVA'),
    ('152240', 'Stříška plotová 240 červená',           4, 502, 0, '',      240, 330,  60, 3.9, 'PAL-01', 240, 49.00, 51.90, 'TVA'),
    ('152365', 'Stříška plotová 365 červená',           4, 502, 0, '',      365, 330,  70, 5.6, 'PAL-01', 160, 69.00, 73.10, 'TVA'),
    ('153060', 'Trativodka keramická DN 60',            4, 503, 0, '',       60, 333,  60, 1.1, 'PAL-01', 900, 14.50, 15.40, 'DOP'),
    ('153080', 'Trativodka keramická DN 80',            4, 503, 0, '',       80, 333,  80, 1.6, 'PAL-01', 600, 18.90, 20.00, 'DOP'),
    ('153100', 'Trativodka keramická DN 100',           4, 503, 0, '',      100, 333, 100, 2.2, 'PAL-01', 400, 24.50, 26.00, 'DOP'),
    ('154001', 'Obkladový pásek 240×71×17 červený',     4, 504, 0, '5041',   71, 240,  17, 0.6, 'PAL-01', 2400, 8.90, 9.40, 'OBK'),
    ('154002', 'Obkladový pásek rohový 240×115×71 červený', 4, 504, 1, '5041', 71, 240, 115, 1.3, 'PAL-01', 600, 29.00, 30.70, 'OBK'),
    ('154011', 'Obkladový pásek 240×71×17 hnědý',       4, 504, 0, '5042',   71, 240,  17, 0.6, 'PAL-01', 2400, 9.40, 10.00, 'OBK'),
    ('154012', 'Obkladový pásek rohový 240×115×71 hnědý', 4, 504, 1, '5042',  71, 240, 115, 1.3, 'PAL-01', 600, 31.00, 32.90, 'OBK'),
    ('160200', 'Deska šalovací keramická 200/1000',     3, 600, 0, '',      200, 1000, 40, 7.9, 'PAL-03', 150, 59.00, 62.50, 'STR'),
    ('160250', 'Deska šalovací keramická 250/1000',     3, 600, 0, '',      250, 1000, 40, 9.8, 'PAL-03', 120, 69.00, 73.10, 'STR');

-- Reinforcements and anchors (bought in).
insert into zbozi values
    ('190001', 'Výztuž ložné spáry pozinkovaná 3 m',    5, 90, 0, '',  40, 3000,   5, 0.9, 'OBAL-02',  1, 89.00, 0, 'DOP'),
    ('190002', 'Výztuž ložné spáry nerezová 3 m',       5, 90, 0, '',  40, 3000,   5, 0.9, 'OBAL-02',  1, 189.00, 0, 'DOP'),
    ('190010', 'Výztužná síťka do omítky 1×50 m',       5, 90, 1, '', 1000, 50000, 1, 7.5, 'OBAL-02',  1, 1490.00, 0, 'DOP'),
    ('191001', 'Kotva spárová nerezová 300 mm',         5, 91, 0, '',  22, 300,    1, 0.05, 'OBAL-01', 250, 6.90, 7.50, 'DOP'),
    ('191002', 'Kotva příčková plochá 250 mm',          5, 91, 0, '',  22, 250,    2, 0.04, 'OBAL-01', 100, 4.50, 4.90, 'DOP'),
    ('191003', 'Kotva šroubovací do dutých cihel 160 mm', 5, 91, 1, '', 8, 160,    8, 0.03, 'OBAL-01', 100, 12.90, 13.70, 'DOP');

---------------------------------------------------------------------------------------------
-- Into the maker's tables. Every product becomes a good of the ERP system with its prices and
-- its pallet, and a product of the catalogue with its group, type, family and figures.
insert into helios (regcis, nazevcz, skupzbo, sirka, delka, vyska, vaha, cena_prod, app_nepalet_cena,
                    cenacz_sb, cenacz_sb2, cenacz_sbc, cenacz_sbc2, cenacz_sbd, cenacz_sbd2)
select z.objcislo, z.nazev, z.skupzbo, z.sirka, z.delka, z.vyska, z.vaha, z.cena, z.volna,
       coalesce(v.sb, 0), coalesce(v.sb2, 0), coalesce(v.sbc, 0), coalesce(v.sbc2, 0),
       coalesce(v.sbd, 0), coalesce(v.sbd2, 0)
from zbozi z left join varianty v on v.objcislo = z.objcislo;

insert into helios_paletizace (idzbozi, idobal, mnozstvi)
select h.id, p.id, z.ks
from zbozi z join helios h on h.regcis = z.objcislo join helios p on p.regcis = z.obal;

insert into vyrobky (objcislo, id_zavod, app_skupina, app_typ, app_zaklmat,
                     app_malta, app_maltasd, app_maltasv, app_maltasb, app_maltasbc, app_maltadf, app_maltazak,
                     app_perlit, app_polystyr, ttu2, delsi_ulozeni)
select z.objcislo, z.zavod, z.skupina, z.typ, z.zaklmat,
       coalesce(d.malta, 0), coalesce(d.malta_sd, 0), coalesce(d.malta_sv, 0),
       coalesce(v.malta_sb, 0), coalesce(v.malta_sbc, 0), coalesce(v.malta_df, 0), coalesce(v.malta_zak, 0),
       coalesce(d.perlit, 0), coalesce(d.polystyr, 0), coalesce(d.ttu2, ''), coalesce(d.delsi, 0)
from zbozi z left join zdivo d on d.objcislo = z.objcislo left join varianty v on v.objcislo = z.objcislo;

-- The captions of the types that the element forms offer as a filter, with the keywords under
-- which Allplan's part lists name the panel types.
insert into panely (app_skupina, app_typ, popis, allplan) values
    (499, 1, 'Panely tloušťky 215 mm', 'KSP 21,5'),
    (499, 2, 'Panely tloušťky 250 mm', 'KSP 25'),
    (9,   1, 'Nosné překlady',         ''),
    (9,   2, 'Ploché překlady',        '');

insert into cenik (zeme, mena, heliosxml) values ('CZ', 'Kč', 'CENIK-CZ-DEMO');

drop table zbozi;
drop table zdivo;
drop table varianty;
