// The lookup dialogs of the input form, opened by
//   app.emit('lookup', {kind, slope})
// kind: 'stations' | 'curveNumber' | 'soilGroups' | 'soilUnits' | 'moisture' | 'roughness'
// (the soil tables lead on to the curve numbers; 'curveNumber' is their table at once),
// slope: 'left' (or the only slope) | 'right'. One dialog at a time.
import {openCurveNumberWizard} from './curve-number.js';
import {openMoisture} from './moisture.js';
import {openRoughness} from './roughness.js';
import {openStations} from './stations.js';

export function mountLookup(app) {
    const open = async ({kind, slope = 'left', typed = null}) => {
        if (!app.engine || !app.project || document.querySelector('dialog.lookup[open]')) {
            return;
        }
        const again = (typed) => open({kind, slope, typed});
        try {
            switch (kind) {
            case 'stations':
                return await openStations(app, again);
            case 'roughness':
                return await openRoughness(app, slope, again, typed);
            case 'moisture':
                return await openMoisture(app, slope);
            case 'soilGroups':
            case 'soilUnits':
            case 'curveNumber':
                return await openCurveNumberWizard(app, slope, kind);
            }
        } catch (error) {
            app.status(error.message, 'problem');
        }
        return null;
    };
    app.on('lookup', open);
}
