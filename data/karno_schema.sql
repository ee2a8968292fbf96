-- The maker's database as the price-list import reads it (SQLite dialect).
--
-- vyrobky            the products of the catalogue with the figures the estimating needs
-- zavody             the plants that make them
-- helios             goods of the ERP system: every product and every kind of pallet, with
--                    dimensions, weight and prices
-- helios_paletizace  how many pieces of a product go on which pallet
-- panely             the captions of the types of a group (ceiling panels, lintels) and their
--                    Allplan keywords
-- cenik              one row naming the price list: country, currency and its ERP key
--
-- Numbers that the estimate uses exactly (dimensions, weights, prices, mortar figures) are
-- NUMERIC; the import reads every value as text.

create table zavody (
    id                  integer primary key,
    zavod               varchar(60) not null
);

create table helios (
    id                  integer primary key,
    regcis              varchar(30) not null unique,  -- registration number (order number)
    nazevcz             varchar(100) not null,         -- Czech name
    skupzbo             varchar(10) not null default '',  -- goods group of the ERP
    sirka               numeric,                       -- mm
    delka               numeric,                       -- mm
    vyska               numeric,                       -- mm
    vaha                numeric,                       -- kg per piece
    cena_prod           numeric not null default 0,    -- price per piece bought by pallets
    app_nepalet_cena    numeric not null default 0,    -- price per piece bought loose; 0: the same
    cena_vyk            numeric not null default 0,    -- buy-back price (pallets)
    cenacz_sb           numeric not null default 0,    -- price variant "sb": by pallets, loose
    cenacz_sb2          numeric not null default 0,
    cenacz_sbc          numeric not null default 0,    -- price variant "sbc"
    cenacz_sbc2         numeric not null default 0,
    cenacz_sbd          numeric not null default 0,    -- price variant "sbd"
    cenacz_sbd2         numeric not null default 0
);

create table helios_paletizace (
    idzbozi             integer not null references helios (id),  -- the product
    idobal              integer not null references helios (id),  -- its pallet or box
    mnozstvi            numeric not null                          -- pieces per pallet
);

create table vyrobky (
    id                  integer primary key,
    objcislo            varchar(30) not null,          -- = helios.regcis
    id_zavod            integer not null references zavody (id),
    app_skupina         integer not null,              -- group; 0 or less: not in the price list
    app_typ             integer not null default 0,    -- type within the group
    app_zaklmat         varchar(60) not null default '',  -- brick-family codes, ";" between
    app_malta           numeric not null default 0,    -- mortar figure
    app_maltasd         numeric not null default 0,    -- ... laid turned (length across the wall)
    app_maltasv         numeric not null default 0,    -- ... laid on edge (height across the wall)
    app_maltasb         numeric not null default 0,    -- ... in the price variants sb, sbc, sbd
    app_maltasbc        numeric not null default 0,
    app_maltadf         numeric not null default 0,
    app_maltazak        numeric not null default 0,    -- base-course mortar per brick
    app_perlit          numeric not null default 0,    -- perlite per brick
    app_polystyr        numeric not null default 0,    -- polystyrene filling per piece
    ttu2                varchar(40) not null default '',  -- thermal transmittance text
    delsi_ulozeni       integer not null default 0     -- 1: lintels need the longer bearing
);

create table panely (
    app_skupina         integer not null,
    app_typ             integer not null,
    popis               varchar(60) not null,
    allplan             varchar(30) not null default ''
);

create table cenik (
    zeme                varchar(5) not null default '',
    mena                varchar(5) not null default '',
    heliosxml           varchar(30) not null default ''
);
