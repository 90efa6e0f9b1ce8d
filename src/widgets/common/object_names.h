#pragma once
// The object names of the windows, their controls and menu items: other programs and the tests
// find them by these names, so each is spelled once, here, and used by the windows that carry it
// and by the tests that look for it.

namespace ObjectNames {

// The main window: its menus, tabs, frames and controls.
inline constexpr char Calendar[] = "Calendar";
inline constexpr char CfgDir[] = "CfgDir";
inline constexpr char Check1[] = "Check1";
inline constexpr char Check2[] = "Check2";
inline constexpr char Command1[] = "Command1";
inline constexpr char Command10[] = "Command10";
inline constexpr char Command11[] = "Command11";
inline constexpr char Command2[] = "Command2";
inline constexpr char Command3[] = "Command3";
inline constexpr char Command4[] = "Command4";
inline constexpr char Command5[] = "Command5";
inline constexpr char Command6[] = "Command6";
inline constexpr char Command7[] = "Command7";
inline constexpr char Command8[] = "Command8";
inline constexpr char Command9[] = "Command9";
inline constexpr char Description[] = "Description";
inline constexpr char Docked[] = "Docked";
inline constexpr char DockedShipOption[] = "DockedShipOption";
inline constexpr char EditRedo[] = "EditRedo";
inline constexpr char EditUndo[] = "EditUndo";
inline constexpr char FocusFrame[] = "FocusFrame";
inline constexpr char Frame2[] = "Frame2";
inline constexpr char Frame4[] = "Frame4";
inline constexpr char Frame5[] = "Frame5";
inline constexpr char Hour[] = "Hour";
inline constexpr char HoverEngineStatus[] = "HoverEngineStatus";
inline constexpr char HoverEngineStatusSlider[] = "HoverEngineStatusSlider";
inline constexpr char Image5[] = "Image5";
inline constexpr char Label9[] = "Label9";
inline constexpr char Landed[] = "Landed";
inline constexpr char LandedShipOption[] = "LandedShipOption";
inline constexpr char MainEngineStatus[] = "MainEngineStatus";
inline constexpr char MainEngineStatusSlider[] = "MainEngineStatusSlider";
inline constexpr char Menu1[] = "Menu1";
inline constexpr char Menu11[] = "Menu11";
inline constexpr char Menu12[] = "Menu12";
inline constexpr char Menu13[] = "Menu13";
inline constexpr char Menu14[] = "Menu14";
inline constexpr char Menu15[] = "Menu15";
inline constexpr char Menu16[] = "Menu16";
inline constexpr char Menu2[] = "Menu2";
inline constexpr char Menu21[] = "Menu21";
inline constexpr char Menu22[] = "Menu22";
inline constexpr char Menu30[] = "Menu30";
inline constexpr char Menu31[] = "Menu31";
inline constexpr char Menu32[] = "Menu32";
inline constexpr char Menu33[] = "Menu33";
inline constexpr char MenuChanges[] = "MenuChanges";
inline constexpr char MenuEdit[] = "MenuEdit";
inline constexpr char MenuRecent[] = "MenuRecent";
inline constexpr char Minute[] = "Minute";

// The View menu.
inline constexpr char MenuScenarioMap[] = "MenuScenarioMap";
inline constexpr char MenuView[] = "MenuView";

// The orbit panels name each figure "Orbit" and its caption's words (OrbitPanel::ValueName):
// "OrbitPeriapsisAltitude".
inline constexpr char OrbitDrawing[] = "OrbitDrawing";
inline constexpr char OrbitNote[] = "OrbitNote";
inline constexpr char OrbitWarning[] = "OrbitWarning";
inline constexpr char OrbitalElementFrame[] = "OrbitalElementFrame";
inline constexpr char Orbiting[] = "Orbiting";
inline constexpr char OrbitingRef[] = "OrbitingRef";
inline constexpr char OrbitingShipOption[] = "OrbitingShipOption";
inline constexpr char PlanetarySystem[] = "PlanetarySystem";
inline constexpr char PossibleShipFocus[] = "PossibleShipFocus";
inline constexpr char RotationFrequencyFrame[] = "RotationFrequencyFrame";
inline constexpr char SSTab1[] = "SSTab1";
inline constexpr char ScnDir[] = "ScnDir";
inline constexpr char ShipActionsFrame[] = "ShipActionsFrame";
inline constexpr char ShipClass[] = "ShipClass";
inline constexpr char ShipDockOwnPort[] = "ShipDockOwnPort";
inline constexpr char ShipDockedPlanet[] = "ShipDockedPlanet";
inline constexpr char ShipDockedPort[] = "ShipDockedPort";
inline constexpr char ShipDockedStation[] = "ShipDockedStation";
inline constexpr char ShipDockedTree[] = "ShipDockedTree";
inline constexpr char ShipElementsAscendingNode[] = "ShipElementsAscendingNode";
inline constexpr char ShipElementsEpoch[] = "ShipElementsEpoch";
inline constexpr char ShipElementsExcentricity[] = "ShipElementsExcentricity";
inline constexpr char ShipElementsInclination[] = "ShipElementsInclination";
inline constexpr char ShipElementsMeanLongitude[] = "ShipElementsMeanLongitude";
inline constexpr char ShipElementsPeriapsisLongitude[] = "ShipElementsPeriapsisLongitude";
inline constexpr char ShipElementsSemiMajorAxis[] = "ShipElementsSemiMajorAxis";
inline constexpr char ShipEngineFrame[] = "ShipEngineFrame";
inline constexpr char ShipFocus[] = "ShipFocus";
inline constexpr char ShipFuel[] = "ShipFuel";
inline constexpr char ShipFuelSlider[] = "ShipFuelSlider";
inline constexpr char ShipIndex[] = "ShipIndex";
inline constexpr char ShipLandedAtPad[] = "ShipLandedAtPad";
inline constexpr char ShipLandedAtPosition[] = "ShipLandedAtPosition";
inline constexpr char ShipLandedBase[] = "ShipLandedBase";
inline constexpr char ShipLandedBody[] = "ShipLandedBody";
inline constexpr char ShipLandedHeading[] = "ShipLandedHeading";
inline constexpr char ShipLandedLatitude[] = "ShipLandedLatitude";
inline constexpr char ShipLandedLongitude[] = "ShipLandedLongitude";
inline constexpr char ShipLandedPad[] = "ShipLandedPad";
inline constexpr char ShipLandedPlanet[] = "ShipLandedPlanet";
inline constexpr char ShipLandingTree[] = "ShipLandingTree";
inline constexpr char ShipName[] = "ShipName";
inline constexpr char ShipOrbitByElements[] = "ShipOrbitByElements";
inline constexpr char ShipOrbitFrame[] = "ShipOrbitFrame";
inline constexpr char ShipOrbitByState[] = "ShipOrbitByState";
inline constexpr char ShipOrbitPanel[] = "ShipOrbitPanel";
inline constexpr char ShipOrbitingAngularVelocity[] = "ShipOrbitingAngularVelocity";
inline constexpr char ShipOrbitingArotX[] = "ShipOrbitingArotX";
inline constexpr char ShipOrbitingArotY[] = "ShipOrbitingArotY";
inline constexpr char ShipOrbitingArotZ[] = "ShipOrbitingArotZ";
inline constexpr char ShipOrbitingPlanet[] = "ShipOrbitingPlanet";
inline constexpr char ShipOrbitingRposX[] = "ShipOrbitingRposX";
inline constexpr char ShipOrbitingRposY[] = "ShipOrbitingRposY";
inline constexpr char ShipOrbitingRposZ[] = "ShipOrbitingRposZ";
inline constexpr char ShipOrbitingRvelX[] = "ShipOrbitingRvelX";
inline constexpr char ShipOrbitingRvelY[] = "ShipOrbitingRvelY";
inline constexpr char ShipOrbitingRvelZ[] = "ShipOrbitingRvelZ";
inline constexpr char ShipPending[] = "ShipPending";
inline constexpr char ShipPlacementNote[] = "ShipPlacementNote";
inline constexpr char ShipStatusFrame[] = "ShipStatusFrame";
inline constexpr char ShipTanks[] = "ShipTanks";
inline constexpr char Spacecraft[] = "Spacecraft";
inline constexpr char StationActionsFrame[] = "StationActionsFrame";
inline constexpr char StationAscendingNodeLongitude[] = "StationAscendingNodeLongitude";
inline constexpr char StationClass[] = "StationClass";
inline constexpr char StationClassName[] = "StationClassName";
inline constexpr char StationExcentricity[] = "StationExcentricity";
inline constexpr char StationFrameAnglesFrame[] = "StationFrameAnglesFrame";
inline constexpr char StationIdentityFrame[] = "StationIdentityFrame";
inline constexpr char StationInclination[] = "StationInclination";
inline constexpr char StationIndex[] = "StationIndex";
inline constexpr char StationMeanLongitude[] = "StationMeanLongitude";
inline constexpr char StationName[] = "StationName";
inline constexpr char StationOrbitApoapsisKm[] = "StationOrbitApoapsisKm";
inline constexpr char StationOrbitFill[] = "StationOrbitFill";
inline constexpr char StationOrbitHelper[] = "StationOrbitHelper";
inline constexpr char StationOrbitHelperNote[] = "StationOrbitHelperNote";
inline constexpr char StationOrbitPanel[] = "StationOrbitPanel";
inline constexpr char StationOrbitPeriapsisKm[] = "StationOrbitPeriapsisKm";
inline constexpr char StationOrbitalRefHour[] = "StationOrbitalRefHour";
inline constexpr char StationOrbitalRefMin[] = "StationOrbitalRefMin";
inline constexpr char StationOrbitalRefTime[] = "StationOrbitalRefTime";
inline constexpr char StationPending[] = "StationPending";
inline constexpr char StationPeriapsisLongitude[] = "StationPeriapsisLongitude";
inline constexpr char StationRef[] = "StationRef";
inline constexpr char StationRefPlanet[] = "StationRefPlanet";
inline constexpr char StationRotationFrequency[] = "StationRotationFrequency";
inline constexpr char StationSemiMajorAxis[] = "StationSemiMajorAxis";
inline constexpr char StationXAngle[] = "StationXAngle";
inline constexpr char StationYAngle[] = "StationYAngle";
inline constexpr char StationZAngle[] = "StationZAngle";
inline constexpr char StatusBar[] = "StatusBar";
inline constexpr char StatusFile[] = "StatusFile";
inline constexpr char StatusModified[] = "StatusModified";
inline constexpr char TYX[] = "TYX";
inline constexpr char scnfile[] = "scnfile";
// The orbiting frame's button that puts the ship beside another.
inline constexpr char ShipPlaceBeside[] = "ShipPlaceBeside";

// The load dialog (the save-as and delete dialogs share its buttons, labels and folder tree).
inline constexpr char FilelisttoLoad[] = "FilelisttoLoad";
inline constexpr char Label1[] = "Label1";
inline constexpr char Label2[] = "Label2";
inline constexpr char Label3[] = "Label3";
inline constexpr char LoadFile[] = "LoadFile";
inline constexpr char ScenarioFolders[] = "ScenarioFolders";
inline constexpr char ScenarioFoldersCaption[] = "ScenarioFoldersCaption";

// The save-as dialog.
inline constexpr char FileToSave[] = "FileToSave";
inline constexpr char SaveAs[] = "SaveAs";
inline constexpr char ScenarioFileList[] = "ScenarioFileList";

// The delete dialog.
inline constexpr char DeleteFile[] = "DeleteFile";
inline constexpr char FileDeleteDescription[] = "FileDeleteDescription";
inline constexpr char FileListtoDelete[] = "FileListtoDelete";

// The window of the changes since the scenario was opened.
inline constexpr char ScenarioChanges[] = "ScenarioChanges";
inline constexpr char ScenarioChangesClose[] = "ScenarioChangesClose";
inline constexpr char ScenarioChangesSummary[] = "ScenarioChangesSummary";
inline constexpr char ScenarioChangesView[] = "ScenarioChangesView";

// The planetary system information window.
inline constexpr char Label5[] = "Label5";
inline constexpr char Planet[] = "Planet";
inline constexpr char PlanetAtmosphereLimit[] = "PlanetAtmosphereLimit";
inline constexpr char PlanetMass[] = "PlanetMass";
inline constexpr char PlanetMeanRadius[] = "PlanetMeanRadius";
inline constexpr char PlanetSideralRotationPeriod[] = "PlanetSideralRotationPeriod";
inline constexpr char PlanetarySystemInformation[] = "PlanetarySystemInformation";

// The search for the simulator folder.
inline constexpr char Dir1[] = "Dir1";
inline constexpr char Drive1[] = "Drive1";
inline constexpr char SkelvanFolderSearch[] = "SkelvanFolderSearch";

// The about box.
inline constexpr char About[] = "About";
inline constexpr char Picture[] = "Picture";
inline constexpr char ProgramName[] = "ProgramName";
inline constexpr char Version[] = "Version";

// The user guide.
inline constexpr char Guide[] = "Guide";
inline constexpr char HelpWindow[] = "HelpWindow";

// The question what becomes of the orbiting ships when the start date changes.
inline constexpr char DateChangeAlongOrbit[] = "DateChangeAlongOrbit";
inline constexpr char DateChangeKeep[] = "DateChangeKeep";
inline constexpr char DateChangeShips[] = "DateChangeShips";
inline constexpr char DateChangeSurface[] = "DateChangeSurface";

// The scenario map: a body's orbits, landed ships and bases.
inline constexpr char ScenarioMap[] = "ScenarioMap";
inline constexpr char ScenarioMapBody[] = "ScenarioMapBody";
inline constexpr char ScenarioMapNothing[] = "ScenarioMapNothing";
inline constexpr char ScenarioMapOrbits[] = "ScenarioMapOrbits";
inline constexpr char ScenarioMapSurface[] = "ScenarioMapSurface";

// The progress window of the start-up.
inline constexpr char StartUpProgress[] = "StartUpProgress";

// The window that puts a ship beside another on that one's orbit.
inline constexpr char PlaceBeside[] = "PlaceBeside";
inline constexpr char PlaceBesideDistance[] = "PlaceBesideDistance";
inline constexpr char PlaceBesideOK[] = "PlaceBesideOK";
inline constexpr char PlaceBesideShip[] = "PlaceBesideShip";
} // namespace ObjectNames
