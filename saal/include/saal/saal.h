// The astrodynamics layer's operations, declared in one place.
//
// Conventions shared by every operation:
//  - times are day counts since 1950 (day 1.0 = 1950-01-01 00:00) in the
//    scale the argument name gives;
//  - distances km, velocities km/s, angles degrees unless a name says rad;
//  - text outputs are caller-owned buffers of kTextBufferSize bytes, which the
//    caller zero-fills; an operation writes at most kTextLength characters;
//  - text inputs are zero-terminated and read up to kTextLength bytes;
//  - an int result of 0 means success; on failure the operation sets the
//    calling thread's last-error text (GetLastErrMsg);
//  - time operations that return a day count return NaN for bad input (an
//    impossible date, unreadable DTG text) and set the last-error text; the
//    DTG writers leave the text empty for a count they cannot print;
//  - keys are 64-bit, handed out by one process-wide counter and never reused,
//    so a stale key or a key of another table is always detected.
// Argument order: integer and address arguments first, floats after.
#pragma once

#include <cstdint>

namespace saal {

using Key = std::int64_t;

inline constexpr int kTextLength = 512;
inline constexpr int kTextBufferSize = kTextLength + 1;

// ---- libdllmain ----------------------------------------------------------
void GetLastErrMsg(char* text_out);
int SetAllKeyMode(int key_mode);  // 0 NoDuplicates, 1 DirectMemoryAccess
int GetAllKeyMode();

// ---- libenvconst ---------------------------------------------------------
inline constexpr int XF_GEOCON_FF = 1;     // flattening
inline constexpr int XF_GEOCON_J2 = 2;
inline constexpr int XF_GEOCON_J3 = 3;
inline constexpr int XF_GEOCON_J4 = 4;
inline constexpr int XF_GEOCON_KE = 5;     // sqrt(GM) in er^1.5/min
inline constexpr int XF_GEOCON_KMPER = 6;  // equatorial radius, km
inline constexpr int XF_GEOCON_RPTIM = 7;  // Earth rotation, rev/day
inline constexpr int XF_GEOCON_MU = 8;     // GM, km^3/s^2
// Returns the constant of the gravity model in force (WGS-72 for SGP4);
// 0 for an unknown selector, with the last-error text set.
double EnvGetGeoConst(int which);

// ---- libtimefunc ---------------------------------------------------------
int TConLoadFile(const char* path);
int IsTConFileLoaded();
double UTCToTAI(double ds50_utc);
double TAIToUTC(double ds50_tai);
double UTCToUT1(double ds50_utc);
double UTCToET(double ds50_utc);
double TAIToUT1(double ds50_tai);
double DTGToUTC(const char* dtg);
void UTCToDTG15(char* dtg_out, double ds50_utc);
void UTCToDTG17(char* dtg_out, double ds50_utc);
void UTCToDTG19(char* dtg_out, double ds50_utc);
void UTCToDTG20(char* dtg_out, double ds50_utc);
double TimeComps2ToUTC(int year, int month, int day, int hour, int minute, double second);
void UTCToTimeComps2(int* year, int* month, int* day, int* hour, int* minute, double* second,
                     double ds50_utc);
void UTCToYrDays(int* year, double* day_of_year, double ds50_utc);
double YrDaysToUTC(int year, double day_of_year);
double ThetaGrnwchFK4(double ds50_ut1);
double ThetaGrnwchFK5(double ds50_ut1);
// Polar motion (arc seconds) at a UTC instant from the loaded time constants.
void UTCToPolarMotion(double* x_arcsec, double* y_arcsec, double ds50_utc);

// ---- libastrofunc --------------------------------------------------------
double AToN(double semi_major_axis_km);
double NToA(double mean_motion_rev_per_day);
double BrouwerToKozai(double eccentricity, double inclination_deg, double brouwer_mean_motion);
double KozaiToBrouwer(double eccentricity, double inclination_deg, double kozai_mean_motion);
// Six-value Keplerian array: a, e, i, M, node, argument of perigee.
int KepToPosVel(const double kep[6], double pos[3], double vel[3]);
int PosVelToKep(const double pos[3], const double vel[3], double kep[6]);
// Six-value equinoctial array: af, ag, chi, psi, mean longitude L, mean motion n.
int KepToEqnx(const double kep[6], double eqnx[6]);
int EqnxToKep(const double eqnx[6], double kep[6]);
int KepOscToMean(const double osculating_kep[6], double mean_kep[6]);
int ECIToEFGTime(const double pos[3], const double vel[3], double efg_pos[3], double efg_vel[3],
                 double ds50_utc);
int EFGToECITime(const double efg_pos[3], const double efg_vel[3], double pos[3], double vel[3],
                 double ds50_utc);
int ECRToEFGTime(const double ecr_pos[3], const double ecr_vel[3], double efg_pos[3],
                 double efg_vel[3], double ds50_utc);
int EFGToECRTime(const double efg_pos[3], const double efg_vel[3], double ecr_pos[3],
                 double ecr_vel[3], double ds50_utc);
int RotJ2KToDate(int spectr, int nut_terms, const double pos_j2k[3], const double vel_j2k[3],
                 double pos_date[3], double vel_date[3], double ds50_tai);
int RotDateToJ2K(int spectr, int nut_terms, const double pos_date[3], const double vel_date[3],
                 double pos_j2k[3], double vel_j2k[3], double ds50_tai);
int RotRADec_DateToEqnx(int nut_terms, int yr_of_eqnx, double* ra_out, double* dec_out,
                        double ds50_utc, double ra, double dec);
int RotRADec_EqnxToDate(int nut_terms, int yr_of_eqnx, double* ra_out, double* dec_out,
                        double ds50_utc, double ra, double dec);
int EFGPosToLLH(const double efg_pos[3], double llh[3]);
void XYZToLLH(const double pos[3], double llh[3], double theta_rad);
void XYZToLLHTime(const double pos[3], double llh[3], double ds50_utc);
void LLHToXYZTime(const double llh[3], double pos[3], double ds50_utc);
// Slots of the ten-value topocentric array and the six-value range-azimuth-
// elevation array; year-of-equinox codes of the right ascension rotations.
inline constexpr int XA_TOPO_RA = 0;
inline constexpr int XA_TOPO_DEC = 1;
inline constexpr int XA_TOPO_AZ = 2;
inline constexpr int XA_TOPO_EL = 3;
inline constexpr int XA_TOPO_RANGE = 4;
inline constexpr int XA_TOPO_RADOT = 5;
inline constexpr int XA_TOPO_DECDOT = 6;
inline constexpr int XA_TOPO_AZDOT = 7;
inline constexpr int XA_TOPO_ELDOT = 8;
inline constexpr int XA_TOPO_RANGEDOT = 9;
inline constexpr int XA_TOPO_SIZE = 10;
inline constexpr int YROFEQNX_2000 = 2;
inline constexpr int YROFEQNX_CURR = 1;
inline constexpr int XA_RAE_RANGE = 0;
inline constexpr int XA_RAE_AZ = 1;
inline constexpr int XA_RAE_EL = 2;
inline constexpr int XA_RAE_RANGEDOT = 3;
inline constexpr int XA_RAE_AZDOT = 4;
inline constexpr int XA_RAE_ELDOT = 5;
inline constexpr int XA_RAE_SIZE = 6;
// Ten topocentric values: ra, dec, az, el, range and the rate of each.
void ECIToTopoComps(const double sen_pos[3], const double sat_pos[3], const double sat_vel[3],
                    double topo[10], double theta_rad, double lat_deg);
// Six values: range, az, el, range rate, az rate, el rate.
void RAEToECI(const double rae[6], const double sen_pos[3], double sat_pos[3], double sat_vel[3],
              double theta_rad, double lat_deg);
void RaDecToAzEl(double* az, double* el, double theta_rad, double lat, double lon, double ra,
                 double dec);
void RaDecToAzElTime(double* az, double* el, double ds50_utc, double lat, double lon, double ra,
                     double dec);
int JplSetParameters(const char* path, double start_ds50_utc, double end_ds50_utc);
int JplCompSunMoonPos(double sun_pos[3], double moon_pos[3], double ds50_utc);

// ---- libsatstate ---------------------------------------------------------
int SatStateEphCom_OS(const double primary[6], const double secondary[6], int flag,
                      double out[100], double ds50_utc);

// ---- libtle --------------------------------------------------------------
// Slots of the 64-value element-set array.
inline constexpr int XA_TLE_SATNUM = 0;
inline constexpr int XA_TLE_EPOCH = 1;      // days since 1950 UTC
inline constexpr int XA_TLE_NDOT = 2;       // rev/day^2 (the text's n-dot/2)
inline constexpr int XA_TLE_NDOTDOT = 3;    // rev/day^3 (the text's n-dot-dot/6)
inline constexpr int XA_TLE_BSTAR = 4;      // 1/Earth radii
inline constexpr int XA_TLE_EPHTYPE = 5;
inline constexpr int XA_TLE_INCLI = 20;     // deg
inline constexpr int XA_TLE_NODE = 21;      // deg
inline constexpr int XA_TLE_ECCEN = 22;
inline constexpr int XA_TLE_OMEGA = 23;     // deg
inline constexpr int XA_TLE_MNANOM = 24;    // deg
inline constexpr int XA_TLE_MNMOTN = 25;    // rev/day
inline constexpr int XA_TLE_REVNUM = 26;
inline constexpr int XA_TLE_ELSETNUM = 30;
inline constexpr int XA_TLE_ORGSATNUM = 31;
inline constexpr int XA_TLE_BTERM = 32;     // m^2/kg, element type 4
inline constexpr int XA_TLE_OBSTIME = 33;
inline constexpr int XA_TLE_EGR = 34;
inline constexpr int XA_TLE_EDR = 35;
inline constexpr int XA_TLE_VISMAG = 36;
inline constexpr int XA_TLE_RCS = 37;
inline constexpr int XA_TLE_AGOMGP = 38;    // m^2/kg, element type 4
inline constexpr int XA_TLE_SP_BTERM = 2;   // element type 6 reuses slots 2 to 4
inline constexpr int XA_TLE_SP_OGPARM = 3;
inline constexpr int XA_TLE_SP_AGOM = 4;
inline constexpr int XA_TLE_SIZE = 64;
// Positions in the element-set text: classification, 12-character name
// (the international designator), object type.
inline constexpr int XS_TLE_SECCLASS_1 = 0;
inline constexpr int XS_TLE_SATNAME_12 = 1;
inline constexpr int XS_TLE_OBJTYPE_11 = 13;
inline constexpr int XS_TLE_SIZE = 512;
inline constexpr int XS_TLE_SECCLASS_0_1 = 0;
inline constexpr int XS_TLE_SATNAME_1_12 = 1;
inline constexpr int XS_TLE_OBJTYPE_13_1 = 13;
inline constexpr int XS_TLE_LENGTH = 512;
// Field identifiers.
inline constexpr int XF_TLE_SATNUM = 1;
inline constexpr int XF_TLE_CLASS = 2;
inline constexpr int XF_TLE_SATNAME = 3;
inline constexpr int XF_TLE_EPOCH = 4;
inline constexpr int XF_TLE_BSTAR = 5;
inline constexpr int XF_TLE_EPHTYPE = 6;
inline constexpr int XF_TLE_ELSETNUM = 7;
inline constexpr int XF_TLE_INCLI = 8;
inline constexpr int XF_TLE_NODE = 9;
inline constexpr int XF_TLE_ECCEN = 10;
inline constexpr int XF_TLE_OMEGA = 11;
inline constexpr int XF_TLE_MNANOM = 12;
inline constexpr int XF_TLE_MNMOTN = 13;
inline constexpr int XF_TLE_REVNUM = 14;
inline constexpr int XF_TLE_NDOT = 15;
inline constexpr int XF_TLE_NDOTDOT = 16;
inline constexpr int XF_TLE_AGOMGP = 16;
inline constexpr int XF_TLE_SP_AGOM = 5;
inline constexpr int XF_TLE_SP_BTERM = 15;
inline constexpr int XF_TLE_SP_OGPARM = 16;
inline constexpr int XF_TLE_ORGSATNUM = 17;
inline constexpr int XF_TLE_BTERM = 18;
inline constexpr int XF_TLE_OBSTIME = 19;
inline constexpr int XF_TLE_EGR = 20;
inline constexpr int XF_TLE_EDR = 21;
inline constexpr int XF_TLE_VISMAG = 22;
inline constexpr int XF_TLE_RCS = 23;
inline constexpr int XF_TLE_OBJTYPE = 24;
inline constexpr int XF_TLE_SATNAME_12 = 25;
// Element types: Kozai mean SGP, Brouwer mean SGP4, Brouwer mean XP,
// osculating (not propagated by SGP4).
inline constexpr int TLETYPE_SGP = 0;
inline constexpr int TLETYPE_SGP4 = 2;
inline constexpr int TLETYPE_XP = 4;
inline constexpr int TLETYPE_SP = 6;
inline constexpr int XF_TLEFORM_ORG = 0;
inline constexpr int XF_TLEFORM_CSV = 1;
// Lines are read up to column 69 (the check digit); columns 70 to 80 of a
// card are ignored. Satellite numbers above 99999 use the alpha-5 form
// (letter A-Z without I and O, then four digits). Check digits are not
// enforced when reading: GetCheckSums reports them. Lines written by
// TleGPArrayToLines have 68 columns (no check digit), and a non-negative
// exponent in columns 51 and 60 is written as a blank.
int TleLinesToArray(const char* line1, const char* line2, double xa_tle[64], char* xs_tle_out);
int TleGPArrayToLines(const double xa_tle[64], const char* xs_tle, char* line1_out,
                      char* line2_out);
Key TleAddSatFrArray(const double xa_tle[64], const char* xs_tle);
int TleDataToArray(Key sat_key, double xa_tle[64], char* xs_tle_out);
int TleRemoveSat(Key sat_key);
int TleRemoveAllSats();
int TleGetCount();
void GetCheckSums(const char* line1, const char* line2, int* sum1, int* sum2, int* error);

// ---- libsgp4prop ---------------------------------------------------------
// Slots of the 64-value output of Sgp4PropAll.
inline constexpr int XA_SGP4OUT_DS50UTC = 0;
inline constexpr int XA_SGP4OUT_MSE = 1;       // minutes since epoch
inline constexpr int XA_SGP4OUT_REVNUM = 2;
inline constexpr int XA_SGP4OUT_POSX = 3;      // TEME, km
inline constexpr int XA_SGP4OUT_POSY = 4;
inline constexpr int XA_SGP4OUT_POSZ = 5;
inline constexpr int XA_SGP4OUT_VELX = 6;      // TEME, km/s
inline constexpr int XA_SGP4OUT_VELY = 7;
inline constexpr int XA_SGP4OUT_VELZ = 8;
inline constexpr int XA_SGP4OUT_LAT = 9;       // geodetic, deg
inline constexpr int XA_SGP4OUT_LON = 10;      // deg east
inline constexpr int XA_SGP4OUT_HEIGHT = 11;   // km
inline constexpr int XA_SGP4OUT_MN_PERIOD = 12;   // mean anomalistic period, min
inline constexpr int XA_SGP4OUT_MN_APOGEE = 13;   // mean apogee height, km
inline constexpr int XA_SGP4OUT_MN_PERIGEE = 14;  // mean perigee height, km
inline constexpr int XA_SGP4OUT_MN_A = 15;        // mean Keplerian set, SAAL order
inline constexpr int XA_SGP4OUT_MN_E = 16;
inline constexpr int XA_SGP4OUT_MN_INCLI = 17;
inline constexpr int XA_SGP4OUT_MN_MA = 18;
inline constexpr int XA_SGP4OUT_MN_NODE = 19;
inline constexpr int XA_SGP4OUT_MN_OMEGA = 20;
inline constexpr int XA_SGP4OUT_OSC_A = 21;       // osculating set of the TEME state
inline constexpr int XA_SGP4OUT_OSC_E = 22;
inline constexpr int XA_SGP4OUT_OSC_INCLI = 23;
inline constexpr int XA_SGP4OUT_OSC_MA = 24;
inline constexpr int XA_SGP4OUT_OSC_NODE = 25;
inline constexpr int XA_SGP4OUT_OSC_OMEGA = 26;
inline constexpr int XA_SGP4OUT_SIZE = 64;
// Time types of Sgp4PropAll.
inline constexpr int SGP4_TIMETYPE_MSE = 0;
inline constexpr int SGP4_TIMETYPE_DS50UTC = 1;
int Sgp4InitSat(Key sat_key);
int Sgp4RemoveSat(Key sat_key);
int Sgp4RemoveAllSats();
int Sgp4GetCount();
int Sgp4PropAll(Key sat_key, int time_type, double xa_sgp4_out[64], double time);
int Sgp4PropDs50UtcPosVel(Key sat_key, double pos[3], double vel[3], double ds50_utc);
int Sgp4ReepochTLE(Key sat_key, char* line1_out, char* line2_out, double ds50_utc);
// Native elements of a set (element type 4 and the others alike): the mean
// and the osculating equinoctial sets (af, ag, chi, psi, L, n), the order and
// units of KepToEqnx.
int XpGetNativeElts(Key sat_key, double mean_kep[6], double osc_kep[6], double ds50_utc);
// Batch propagation, structure of arrays, TEME km and km/s. Each output
// array holds `count` values; errors_out[i] is 0, or the SGP4 failure code
// of entry i (1 mean eccentricity, 2 mean motion, 3 perturbed eccentricity,
// 4 semi-latus rectum, 6 decayed, 7 not finite), whose state is then zero. The result is
// 0 when every entry succeeded, else non-zero with the last-error text of
// the first failure (an unknown key fails the whole call).
// One satellite at many UTC times:
int Sgp4PropDs50UtcBatch(Key sat_key, int count, const double* ds50_utc, double* x, double* y,
                         double* z, double* vx, double* vy, double* vz, int* errors_out);
// Many satellites at one UTC time:
int Sgp4PropSatsDs50UtcBatch(int count, const Key* sat_keys, double* x, double* y, double* z,
                             double* vx, double* vy, double* vz, int* errors_out,
                             double ds50_utc);
// The same for a set prepared once (keys looked up and packed), for
// repeated calls: the output arrays hold one entry per key of the set, in
// the order given. A set holds its satellites' models even if their keys
// are removed meanwhile.
Key Sgp4BatchSetCreate(int count, const Key* sat_keys);
int Sgp4BatchSetPropDs50Utc(Key set_key, double* x, double* y, double* z, double* vx, double* vy,
                            double* vz, int* errors_out, double ds50_utc);
int Sgp4BatchSetRemove(Key set_key);

// ---- libextephem ---------------------------------------------------------
Key ExtEphAddSat(int sat_num, int frame_code, double epoch_ds50_utc, double ae, double ke);
int ExtEphAddSatEphem(Key sat_key, const double pos[3], const double vel[3], int rev_num,
                      double ds50_utc);
int ExtEphAddSatEphemCovMtx(Key sat_key, const double pos[3], const double vel[3], int rev_num,
                            const double cov_upper[21], double ds50_utc);
int ExtEphDs50UTC(Key sat_key, double* mse, double pos[3], double vel[3], int* rev_num,
                  double ds50_utc);
int ExtEphGetCovMtx(Key sat_key, int index, double* ds50_utc, double pos[3], double vel[3],
                    int* rev_num, double cov[6][6]);
int ExtEphGetNumPts(Key sat_key, int* count);
int ExtEphRemoveSat(Key sat_key);

// ---- libobs --------------------------------------------------------------
int ObsB3Parse(const char* card, char* sec_class_out, int* sat_num, int* sensor_num,
               double* ds50_utc, double* elev_or_dec, double* azim_or_ra, double* range,
               double* range_rate, double* elev_rate, double* azim_rate, double* range_accel,
               char* obs_type_out, int* track_ind, int* ase_ind, int* site_tag, int* spadoc_tag,
               double pos[3]);
Key ObsAddFrB3Card(const char* card);
int ObsB3ToCsv(const char* card, char* csv_out);
int ObsDataToArray(Key obs_key, double xa_obs[64]);
int ObsGetField(Key obs_key, int field, char* value_out);
int ObsRemove(Key obs_key);
int ObsGetCount();

// ---- libsensor -----------------------------------------------------------
int SensorDataToArray(Key sen_key, double xa_sen[128], char* xs_sen_out);
int SensorGetCount();
int SensorGetLoaded(int order, Key* keys_out);
int SensorLoadCard(const char* card);
int SensorLoadFile(const char* path);
int SensorRemove(Key sen_key);
int SensorRemoveAll();

}  // namespace saal
