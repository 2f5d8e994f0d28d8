-- Schema of the delivered database Dorvane.dat: 24 tables.
-- The program never creates, alters or drops a table; the build runs this file
-- and then reference.sql into a new database (tools/makedb.cpp).
--
-- Declared types tell our database layer which type a value has:
--   TEXT text (up to 255 characters), SMALLINT 16-bit integer, INTEGER 32-bit
--   integer, DOUBLE double, CURRENCY money with four decimals, YESNO a flag
--   stored as -1 (yes) or 0 (no).  INTEGER PRIMARY KEY marks the counters the
--   database assigns on INSERT; AUTOINCREMENT marks those whose numbers are
--   never given out again after a row is deleted (profiles and window makers,
--   whose IDs other rows name).
-- Text columns carry no collation; queries that compare text keys say so.
-- SQLite 3.15 dialect (SQLCipher 3.4.1).

-- ------------------------------------------------------------ reference data

-- Every product the system knows; ProductID 1..40 names the ProductN columns
-- of Product_Pricing and Product_Inventory.  Sizes in inches (a sheathing
-- panel: feet).
CREATE TABLE Products (
    ProductID SMALLINT,
    ProductName TEXT,
    ProductWidth DOUBLE,
    ProductDepth DOUBLE,
    eValue TEXT,
    OrderID SMALLINT,
    ProductGroupID SMALLINT,
    Wall2x6 YESNO,
    Wall2x8 YESNO,
    Wall2x10 YESNO,
    UseForStud YESNO,
    UseForColumn YESNO,
    UseForHeader YESNO,
    UseForTrimmers YESNO,
    UseForCripple YESNO,
    UseForPlates YESNO,
    UseForBlocking YESNO,
    UseForSheathing YESNO,
    IsSoftwood YESNO,
    IsConnector YESNO
);

-- Tallest stud (ft) and allowed axial load per stud (lb) by product,
-- deflection limit, exposure letter, wind speed (mph) and spacing (ft).
CREATE TABLE Stud_Solutions (
    ProductID SMALLINT,
    Deflection DOUBLE,
    Exposure TEXT,
    WindSpeed INTEGER,
    Spacing_ft DOUBLE,
    MaxHeight DOUBLE,
    AxialLoad DOUBLE
);

CREATE INDEX Stud_Solutions_Product ON Stud_Solutions (ProductID, Deflection, WindSpeed, Spacing_ft);

-- Capacity rows of built-up columns: lateral load (plf), height (ft), roof
-- line load (plf) and plies.
CREATE TABLE Column_Solutions (
    ProductID SMALLINT,
    Deflection INTEGER,
    PLF DOUBLE,
    MaxHeight DOUBLE,
    AxialLoad DOUBLE,
    Plies SMALLINT
);

CREATE INDEX Column_Solutions_Product ON Column_Solutions (ProductID, Deflection);

-- Capacity rows of headers: vertical and lateral load (plf) up to a rough
-- opening width (ft), the wall width the header fills and the lateral
-- deflection limit.
CREATE TABLE Header_Solutions (
    ProductID SMALLINT,
    VerticalPLF DOUBLE,
    MaxRO DOUBLE,
    NomWallWidth SMALLINT,
    LateralDefl INTEGER,
    LateralPLF DOUBLE,
    Orientation TEXT
);

CREATE INDEX Header_Solutions_Product ON Header_Solutions (ProductID, LateralDefl);

-- Wind pressure (psf) by wind speed and exposure letter at 10 and 50 square
-- feet of effective wind area, with its fall per square foot.
CREATE TABLE Wind_Table (
    WindSpeed INTEGER,
    Exposure TEXT,
    SF10 DOUBLE,
    Increment10_50 DOUBLE,
    SF50 DOUBLE,
    Increment50_100 DOUBLE
);

-- Exterior finishes and the deflection limits (span / limit) they impose.
CREATE TABLE Exterior_Finish (
    FinishName TEXT,
    StudDeflectionLimit DOUBLE,
    ColumnDeflectionLimit INTEGER,
    HeaderDeflectionLimit INTEGER
);

-- Fixed note texts of the reports: NoteID 1 general, 2 wall lists (% is
-- replaced by wall names), 3 stud spacing, 4 warnings.
CREATE TABLE Report_Notes (
    NoteID SMALLINT,
    ID SMALLINT,
    NoteText TEXT
);

-- Roof live (snow) and dead load (psf) and sales tax (percent) by state.
CREATE TABLE Roof_Loading (
    ID SMALLINT,
    StateName TEXT,
    RoofLL DOUBLE,
    RoofDL DOUBLE,
    StateTax DOUBLE
);

-- Window makers with their jamb-extension material cost per header.
CREATE TABLE Window_Manufacturer (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    MfrName TEXT,
    Material2x6 CURRENCY DEFAULT 50,
    Material2x8 CURRENCY DEFAULT 100,
    Material2x10 CURRENCY DEFAULT 150
);

-- ------------------------------------------------------------ pricing profiles

-- Pricing profiles; ID 1 is "Default".
CREATE TABLE Customer_ProfileID (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CustomerProfileName TEXT,
    Markup DOUBLE,
    DeliveryCharge CURRENCY
);

-- Calculation settings of each profile.
CREATE TABLE Customer_Profiles (
    CustomerProfileID INTEGER,
    RoofLoadingID SMALLINT,
    IncludeCripples SMALLINT,
    IncludeBlocking SMALLINT,
    IncludePlates SMALLINT,
    IncludeTrimmers SMALLINT,
    IncludeSheathing SMALLINT,
    CrippleProductID SMALLINT,
    BlockingProductID SMALLINT,
    PlateProductID SMALLINT,
    TrimmerProductID SMALLINT,
    SheathingProductID SMALLINT,
    MaxStudHeightEaveSL DOUBLE,
    MaxStudHeightGableSL DOUBLE,
    ZoneCornerFactor DOUBLE,
    ZoneJunctionFactor DOUBLE,
    ZoneWindowFactor DOUBLE,
    ZoneDoorFactor DOUBLE,
    Spacing12oc SMALLINT,
    Spacing16oc SMALLINT,
    Spacing24oc SMALLINT,
    WindSpeed INTEGER,
    LaborRate CURRENCY,
    Jamb2x6L TEXT,
    Jamb2x6M TEXT,
    Jamb2x8L TEXT,
    Jamb2x8M TEXT,
    Jamb2x10L TEXT,
    Jamb2x10M TEXT,
    MfrName TEXT,
    MfrID INTEGER,
    JambMethod SMALLINT
);

-- Price of each product per profile: per lineal foot, per square foot for
-- sheathing panels, per piece for the connector.
CREATE TABLE Product_Pricing (
    CustomerProfileID INTEGER,
    Product1 CURRENCY,
    Product2 CURRENCY,
    Product3 CURRENCY,
    Product4 CURRENCY,
    Product5 CURRENCY,
    Product6 CURRENCY,
    Product7 CURRENCY,
    Product8 CURRENCY,
    Product9 CURRENCY,
    Product10 CURRENCY,
    Product11 CURRENCY,
    Product12 CURRENCY,
    Product13 CURRENCY,
    Product14 CURRENCY,
    Product15 CURRENCY,
    Product16 CURRENCY,
    Product17 CURRENCY,
    Product18 CURRENCY,
    Product19 CURRENCY,
    Product20 CURRENCY,
    Product21 CURRENCY,
    Product22 CURRENCY,
    Product23 CURRENCY,
    Product24 CURRENCY,
    Product25 CURRENCY,
    Product26 CURRENCY,
    Product27 CURRENCY,
    Product28 CURRENCY,
    Product29 CURRENCY,
    Product30 CURRENCY,
    Product31 CURRENCY,
    Product32 CURRENCY,
    Product33 CURRENCY,
    Product34 CURRENCY,
    Product35 CURRENCY,
    Product36 CURRENCY,
    Product37 CURRENCY,
    Product38 CURRENCY,
    Product39 CURRENCY,
    Product40 CURRENCY
);

-- Stock flag of each product per profile.
CREATE TABLE Product_Inventory (
    CustomerProfileID INTEGER,
    Product1 YESNO,
    Product2 YESNO,
    Product3 YESNO,
    Product4 YESNO,
    Product5 YESNO,
    Product6 YESNO,
    Product7 YESNO,
    Product8 YESNO,
    Product9 YESNO,
    Product10 YESNO,
    Product11 YESNO,
    Product12 YESNO,
    Product13 YESNO,
    Product14 YESNO,
    Product15 YESNO,
    Product16 YESNO,
    Product17 YESNO,
    Product18 YESNO,
    Product19 YESNO,
    Product20 YESNO,
    Product21 YESNO,
    Product22 YESNO,
    Product23 YESNO,
    Product24 YESNO,
    Product25 YESNO,
    Product26 YESNO,
    Product27 YESNO,
    Product28 YESNO,
    Product29 YESNO,
    Product30 YESNO,
    Product31 YESNO,
    Product32 YESNO,
    Product33 YESNO,
    Product34 YESNO,
    Product35 YESNO,
    Product36 YESNO,
    Product37 YESNO,
    Product38 YESNO,
    Product39 YESNO,
    Product40 YESNO
);

-- ------------------------------------------------------------ project working tables

-- One row per wall system; lengths in feet.
CREATE TABLE General_Information (
    WallID SMALLINT,
    WallType TEXT,
    EaveHeight DOUBLE,
    RoofSlope SMALLINT,
    RidgeHeight DOUBLE,
    WallLength DOUBLE,
    RoofLoadingID SMALLINT,
    TrussSpan DOUBLE,
    ExteriorFinish TEXT,
    Exposure TEXT,
    IsZoneWall SMALLINT,
    ZoneCorners DOUBLE,
    ZoneJunctions DOUBLE,
    CornerType TEXT,
    JunctionType TEXT,
    NumberCorners SMALLINT,
    DTFH DOUBLE,
    MonoSlope SMALLINT
);

CREATE INDEX General_Information_Wall ON General_Information (WallID);

-- Rough openings; the numbers are held as text.
CREATE TABLE Header_Information (
    WallID SMALLINT,
    ROID TEXT,
    ROWidth TEXT,
    AverageROHeight TEXT,
    NumHeaders TEXT,
    ColIDLeft TEXT,
    ColIDRight TEXT
);

CREATE INDEX Header_Information_Wall ON Header_Information (WallID);

-- Columns; the numbers are held as text.
CREATE TABLE Column_Information (
    WallID SMALLINT,
    ColumnID TEXT,
    ColumnHeight TEXT,
    MaxWidth TEXT
);

CREATE INDEX Column_Information_Wall ON Column_Information (WallID);

-- One row per wall system with its member totals per wall width; a wall
-- that was never calculated holds 0 in every total.
CREATE TABLE Project_Information (
    ID SMALLINT,
    WallName TEXT,
    "6Studs" CURRENCY DEFAULT 0,
    "6Columns" CURRENCY DEFAULT 0,
    "6Headers" CURRENCY DEFAULT 0,
    "6Cripples" CURRENCY DEFAULT 0,
    "6Trimmers" CURRENCY DEFAULT 0,
    "6HeaderPlates" CURRENCY DEFAULT 0,
    "6TopPlates" CURRENCY DEFAULT 0,
    "6BottomPlates" CURRENCY DEFAULT 0,
    "6Blocking" CURRENCY DEFAULT 0,
    "6Sheathing" CURRENCY DEFAULT 0,
    "6Connectors" CURRENCY DEFAULT 0,
    "6JambX" CURRENCY DEFAULT 0,
    "8Studs" CURRENCY DEFAULT 0,
    "8Columns" CURRENCY DEFAULT 0,
    "8Headers" CURRENCY DEFAULT 0,
    "8Cripples" CURRENCY DEFAULT 0,
    "8Trimmers" CURRENCY DEFAULT 0,
    "8HeaderPlates" CURRENCY DEFAULT 0,
    "8TopPlates" CURRENCY DEFAULT 0,
    "8BottomPlates" CURRENCY DEFAULT 0,
    "8Blocking" CURRENCY DEFAULT 0,
    "8Sheathing" CURRENCY DEFAULT 0,
    "8Connectors" CURRENCY DEFAULT 0,
    "8JambX" CURRENCY DEFAULT 0,
    "10Studs" CURRENCY DEFAULT 0,
    "10Columns" CURRENCY DEFAULT 0,
    "10Headers" CURRENCY DEFAULT 0,
    "10Cripples" CURRENCY DEFAULT 0,
    "10Trimmers" CURRENCY DEFAULT 0,
    "10HeaderPlates" CURRENCY DEFAULT 0,
    "10TopPlates" CURRENCY DEFAULT 0,
    "10BottomPlates" CURRENCY DEFAULT 0,
    "10Blocking" CURRENCY DEFAULT 0,
    "10Sheathing" CURRENCY DEFAULT 0,
    "10Connectors" CURRENCY DEFAULT 0,
    "10JambX" CURRENCY DEFAULT 0,
    NumberColumns SMALLINT DEFAULT 0,
    NumberHeaders SMALLINT DEFAULT 0,
    Total6 CURRENCY DEFAULT 0,
    Total8 CURRENCY DEFAULT 0,
    Total10 CURRENCY DEFAULT 0,
    Missing6 SMALLINT DEFAULT 0,
    Missing8 SMALLINT DEFAULT 0,
    Missing10 SMALLINT DEFAULT 0,
    InterpValue SMALLINT DEFAULT 0,
    HasCenterStuds TEXT
);

CREATE INDEX Project_Information_ID ON Project_Information (ID);

-- ------------------------------------------------------------ calculation scratch tables

-- Stud candidates of the last calculation.
CREATE TABLE Temp_Stud_Table (
    ID INTEGER PRIMARY KEY,
    WallID SMALLINT,
    WallType TEXT,
    WallThickness SMALLINT,
    ProductID SMALLINT,
    WallWidth DOUBLE,
    Spacing DOUBLE,
    DeflectionLimit DOUBLE,
    Exposure TEXT,
    ControlMaxHeight DOUBLE,
    ControlAxialLoad DOUBLE,
    NumberStuds DOUBLE,
    StudHeight DOUBLE,
    HeightLoc SMALLINT,
    LFPrice CURRENCY,
    TotalPrice CURRENCY
);

CREATE INDEX Temp_Stud_Table_Wall ON Temp_Stud_Table (WallID, WallThickness);

-- Chosen gable stud candidates: copies of Temp_Stud_Table rows, ID included.
CREATE TABLE Temp_Gable_Table (
    ID INTEGER,
    WallID SMALLINT,
    WallType TEXT,
    WallThickness SMALLINT,
    ProductID SMALLINT,
    WallWidth DOUBLE,
    Spacing DOUBLE,
    DeflectionLimit DOUBLE,
    Exposure TEXT,
    ControlMaxHeight DOUBLE,
    ControlAxialLoad DOUBLE,
    NumberStuds DOUBLE,
    StudHeight DOUBLE,
    HeightLoc SMALLINT,
    LFPrice CURRENCY,
    TotalPrice CURRENCY
);

CREATE INDEX Temp_Gable_Table_Wall ON Temp_Gable_Table (WallID, WallThickness);

-- Corner stud candidates.
CREATE TABLE Temp_CornerStud_Table (
    WallID SMALLINT,
    WallThickness SMALLINT,
    ProductID SMALLINT,
    NumberStuds SMALLINT,
    StudHeight DOUBLE,
    LFPrice CURRENCY,
    TotalPrice CURRENCY
);

CREATE INDEX Temp_CornerStud_Table_Wall ON Temp_CornerStud_Table (WallID, WallThickness);

-- Column candidates.
CREATE TABLE Temp_Column_Table (
    ID INTEGER PRIMARY KEY,
    ColumnID SMALLINT,
    WallID SMALLINT,
    WallThickness SMALLINT,
    ProductID INTEGER,
    TribWidth DOUBLE,
    PLF DOUBLE,
    PSF DOUBLE,
    WindSpeed INTEGER,
    Deflection INTEGER,
    Exposure TEXT,
    ControlMaxHeight DOUBLE,
    ControlAxialLoad DOUBLE,
    Plies SMALLINT,
    ColumnHeight DOUBLE,
    LFPrice CURRENCY,
    TotalPrice CURRENCY
);

CREATE INDEX Temp_Column_Table_Wall ON Temp_Column_Table (WallID, WallThickness, ColumnID);

-- Header candidates.
CREATE TABLE Temp_Header_Table (
    ID INTEGER PRIMARY KEY,
    HeaderID SMALLINT,
    HeaderNumber SMALLINT,
    HeaderLoc TEXT,
    WallID SMALLINT,
    WallThickness SMALLINT,
    ProductID SMALLINT,
    ROWidth DOUBLE,
    VerticalPLF DOUBLE,
    NumberTrimmersLeft SMALLINT,
    ColumnIDLeft TEXT,
    NumberTrimmersRight SMALLINT,
    ColumnIDRight TEXT,
    PlatesRequired TEXT,
    PlateProductID SMALLINT,
    ProductOrientation TEXT,
    PlateLFPrice CURRENCY,
    PlateTotalPrice CURRENCY,
    HeaderLFPrice CURRENCY,
    HeaderTotalPrice CURRENCY,
    TotalPrice CURRENCY,
    Exposure TEXT,
    LateralDeflection SMALLINT,
    LateralPLF DOUBLE
);

CREATE INDEX Temp_Header_Table_Wall ON Temp_Header_Table (WallID, WallThickness, HeaderID, HeaderNumber);

-- ------------------------------------------------------------ results

-- Chosen and taken-off members of every wall and width.
CREATE TABLE Material_List (
    WallID SMALLINT,
    WallName TEXT,
    WallWidth SMALLINT,
    MemberType TEXT,
    ProductID SMALLINT,
    ProductName TEXT,
    QtyPieces DOUBLE,
    PieceLength DOUBLE,
    LinealFeet DOUBLE,
    LFPrice CURRENCY,
    TotalPrice CURRENCY,
    StudSpacing TEXT,
    MemberName TEXT
);

CREATE INDEX Material_List_Wall ON Material_List (WallID, WallWidth);

-- Members that found no product in the last calculation.
CREATE TABLE Validation_Information (
    ID INTEGER PRIMARY KEY,
    MemberName TEXT,
    WallID SMALLINT,
    WallName TEXT,
    WallWidth SMALLINT
);

CREATE INDEX Validation_Information_Wall ON Validation_Information (WallID, WallWidth);
